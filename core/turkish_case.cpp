#include "core/turkish_case.h"

#include <array>

namespace marunda {
namespace {

constexpr std::array<unsigned char, 256> buildLowerTable() {
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b) {
        table[b] = static_cast<unsigned char>(b);
    }
    for (int b = 'A'; b <= 'Z'; ++b) {
        table[b] = static_cast<unsigned char>(b + 0x20);
    }
    table['I'] = 0xFD; // ı
    // Š Œ Ÿ sit apart from their small forms in the 0x80 row.
    table[0x8A] = 0x9A;
    table[0x8C] = 0x9C;
    table[0x9F] = 0xFF;
    // À..Þ (with Ğ at 0xD0 and Ş at 0xDE) lie 0x20 below their small forms; × is no letter.
    for (int b = 0xC0; b <= 0xDE; ++b) {
        if (b != 0xD7) {
            table[b] = static_cast<unsigned char>(b + 0x20);
        }
    }
    table[0xDD] = 'i'; // İ; its neighbour 0xFD is ı, the small form of I
    return table;
}

constexpr auto kLower = buildLowerTable();

} // namespace

unsigned char turkishLower(unsigned char cp1254) {
    return kLower[cp1254];
}

std::string turkishLower(std::string_view cp1254) {
    std::string out(cp1254);
    for (char& byte : out) {
        byte = static_cast<char>(kLower[static_cast<unsigned char>(byte)]);
    }
    return out;
}

} // namespace marunda

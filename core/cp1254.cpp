#include "core/cp1254.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace marunda {
namespace {

// 0x80..0x9F differ from Latin-1, as do the six Turkish letters in 0xD0..0xFE.
constexpr std::array<char32_t, 32> kHigh80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x008E, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178};

char32_t turkishLetter(unsigned char byte) {
    switch (byte) {
    case 0xD0:
        return 0x011E; // Ğ
    case 0xDD:
        return 0x0130; // İ
    case 0xDE:
        return 0x015E; // Ş
    case 0xF0:
        return 0x011F; // ğ
    case 0xFD:
        return 0x0131; // ı
    case 0xFE:
        return 0x015F; // ş
    default:
        return byte;
    }
}

std::array<unsigned char, 0x10000> buildReverse() {
    std::array<unsigned char, 0x10000> table{};
    for (int b = 0x80; b <= 0xFF; ++b) {
        table[cp1254ToUnicode(static_cast<unsigned char>(b))] = static_cast<unsigned char>(b);
    }
    return table;
}

} // namespace

char32_t cp1254ToUnicode(unsigned char byte) {
    if (byte < 0x80) {
        return byte;
    }
    if (byte < 0xA0) {
        return kHigh80[byte - 0x80];
    }
    return turkishLetter(byte);
}

std::optional<unsigned char> unicodeToCp1254(char32_t ch) {
    static const auto reverse = buildReverse();
    if (ch < 0x80) {
        return static_cast<unsigned char>(ch);
    }
    if (ch >= 0x10000 || reverse[ch] == 0) {
        return std::nullopt;
    }
    return reverse[ch];
}

void appendUtf8(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

namespace {

// Not overlong, not a surrogate, not past U+10FFFF.
bool wellFormed(char32_t ch, int extra) {
    static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    return ch >= kLeast[extra] && ch <= 0x10FFFF && (ch < 0xD800 || ch > 0xDFFF);
}

// The character at `i` and the bytes it takes, or nothing for a malformed sequence.
std::optional<char32_t> utf8At(std::string_view utf8, std::size_t i, int& extra) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    // C0, C1 could only start overlong forms; F5 and above, characters past U+10FFFF.
    extra = lead < 0x80    ? 0
            : lead >= 0xF5 ? -1
            : lead >= 0xF0 ? 3
            : lead >= 0xE0 ? 2
            : lead >= 0xC2 ? 1
                           : -1;
    if (extra < 0 || (extra > 0 && i + extra >= utf8.size())) {
        return std::nullopt;
    }
    char32_t ch = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        const auto next = static_cast<unsigned char>(utf8[i + k]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        ch = (ch << 6) | (next & 0x3F);
    }
    if (!wellFormed(ch, extra)) {
        return std::nullopt;
    }
    return ch;
}

// Blank padding and Latin letters come eight at a time: ASCII is its own UTF-8.
bool eightAsciiAt(std::string_view bytes, std::size_t i, std::uint64_t& eight) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    if (i + 8 > bytes.size()) {
        return false;
    }
    std::memcpy(&eight, bytes.data() + i, 8);
    return (eight & kHighBits) == 0;
}

} // namespace

std::u32string utf8ToUtf32(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        int extra = 0;
        const auto ch = utf8At(utf8, i, extra);
        out += ch.value_or(U'\uFFFD');
        i += ch ? extra + 1 : 1;
    }
    return out;
}

bool isUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::uint64_t eight = 0;
        if (eightAsciiAt(bytes, i, eight)) {
            i += 8;
            continue;
        }
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        if (!utf8At(bytes, i, extra)) {
            return false;
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

std::string utf32ToUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t ch : text) {
        appendUtf8(out, ch);
    }
    return out;
}

namespace {

// Every byte's UTF-8 form, ready made: decoding whole books (search, listing) is hot.
struct Utf8Form {
    char bytes[4]; // written whole; only the first `length` count
    std::size_t length;
};

std::array<Utf8Form, 256> buildUtf8Forms() {
    std::array<Utf8Form, 256> forms{};
    for (int b = 0; b < 256; ++b) {
        std::string one;
        appendUtf8(one, cp1254ToUnicode(static_cast<unsigned char>(b)));
        one.copy(forms[b].bytes, one.size());
        forms[b].length = one.size();
    }
    return forms;
}

// `out` needs three bytes a character and one more, for the last whole four-byte write.
char* decodeInto(std::string_view bytes, char* out) {
    static const auto forms = buildUtf8Forms();
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::uint64_t eight = 0;
        if (eightAsciiAt(bytes, i, eight)) {
            std::memcpy(out, &eight, 8);
            out += 8;
            i += 8;
            continue;
        }
        const auto& form = forms[static_cast<unsigned char>(bytes[i])];
        std::memcpy(out, form.bytes, 4);
        out += form.length;
        ++i;
    }
    return out;
}

} // namespace

std::string decodeCp1254(std::string_view bytes) {
    // Fields (at most 340 bytes) are decoded by the thousand: no allocation but the result's.
    constexpr std::size_t kField = 340;
    if (bytes.size() <= kField) {
        std::array<char, kField * 3 + 1> buffer;
        return std::string(buffer.data(), decodeInto(bytes, buffer.data()));
    }
    std::vector<char> buffer(bytes.size() * 3 + 1);
    return std::string(buffer.data(), decodeInto(bytes, buffer.data()));
}

std::string_view decodeCp1254(std::string_view bytes, std::string& buffer) {
    if (buffer.size() < bytes.size() * 3 + 1) {
        buffer.resize(bytes.size() * 3 + 1);
    }
    return {buffer.data(),
            static_cast<std::size_t>(decodeInto(bytes, buffer.data()) - buffer.data())};
}

namespace {

// Calls `take` with each character of a UTF-8 text (U+FFFD for a malformed byte) until it
// returns false, without building the decoded text.
template <class Take> void eachCharacter(std::string_view utf8, Take take) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        if (const auto byte = static_cast<unsigned char>(utf8[i]); byte < 0x80) {
            if (!take(char32_t{byte})) {
                return;
            }
            ++i;
            continue;
        }
        int extra = 0;
        const auto ch = utf8At(utf8, i, extra);
        if (!take(ch.value_or(U'\uFFFD'))) {
            return;
        }
        i += ch ? static_cast<std::size_t>(extra) + 1 : 1;
    }
}

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
}

} // namespace

std::string encodeCp1254(std::string_view utf8) {
    if (isAscii(utf8)) {
        return std::string(utf8); // ASCII is the same in both
    }
    std::string out;
    out.reserve(utf8.size());
    eachCharacter(utf8, [&](char32_t ch) {
        out += static_cast<char>(unicodeToCp1254(ch).value_or('?'));
        return true;
    });
    return out;
}

bool fitsCp1254(std::string_view utf8) {
    return !firstOutsideCp1254(utf8);
}

std::optional<char32_t> firstOutsideCp1254(std::string_view utf8) {
    std::optional<char32_t> outside;
    if (!isAscii(utf8)) {
        eachCharacter(utf8, [&](char32_t ch) {
            if (!unicodeToCp1254(ch)) {
                outside = ch;
            }
            return !outside;
        });
    }
    return outside;
}

} // namespace marunda

#include "core/cp1254.h"
#include "fuzz_input.h"

#include <algorithm>

using namespace marunda;

// Code page 1254 decodes every byte and encodes it back; the UTF-8 decoder yields only scalar
// values and never invents a NUL (an overlong form must not smuggle one into a record).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto input = fuzz::bytes(data, size);
    fuzz::require(encodeCp1254(decodeCp1254(input)) == input);

    auto decoded = utf8ToUtf32(input);
    for (char32_t ch : decoded) {
        fuzz::require(ch <= 0x10FFFF && (ch < 0xD800 || ch > 0xDFFF));
    }
    fuzz::require(std::count(decoded.begin(), decoded.end(), U'\0') ==
                  std::count(input.begin(), input.end(), '\0'));
    // Decoding what was encoded changes nothing further.
    auto encoded = utf32ToUtf8(decoded);
    fuzz::require(utf8ToUtf32(encoded) == decoded);

    auto stored = encodeCp1254(input);
    fuzz::require(stored.size() == decoded.size());
    return 0;
}

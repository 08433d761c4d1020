#include "core/birthday_text.h"
#include "fuzz_input.h"

using namespace marunda;

// Whatever a record holds, the choices read from it are in range, and a complete choice written
// back reads as the same choice.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto choice = parseBirthday(fuzz::bytes(data, size));
    fuzz::require(!choice.day || (*choice.day >= 1 && *choice.day <= 31));
    fuzz::require(!choice.month || (*choice.month >= 1 && *choice.month <= 12));
    fuzz::require(!choice.year ||
                  (*choice.year >= kFirstBirthYear && *choice.year <= kLastBirthYear));
    if (auto text = composeBirthday(choice)) {
        fuzz::require(parseBirthday(*text) == choice);
    }
    return 0;
}

#include "core/page_number.h"
#include "fuzz_input.h"

#include <string>

using namespace marunda;

// A typed page number never fails; a plain decimal reads as itself.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto typed = readPageNumber(fuzz::bytes(data, size));
    if (typed.value >= 0 && !typed.fraction) {
        auto again = readPageNumber(std::to_string(typed.value));
        fuzz::require(again.value == typed.value && !again.fraction);
    }
    return 0;
}

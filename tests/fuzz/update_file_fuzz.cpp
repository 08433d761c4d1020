#include "core/delimited_text.h"
#include "core/update_info.h"
#include "fuzz_input.h"

using namespace marunda;

// Any update.upd or server answer parses without reading past it; a document accepted from the
// server reads back from the kept file as the same items.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto body = fuzz::bytes(data, size);
    auto parsed = parseUpdateInfo(body);
    auto accepted = acceptUpdateResponse(fuzz::scratchFolder(), 200, body);
    fuzz::require(accepted.ok() == (parsed.ok() && size <= kUpdateBodyLimit));
    if (accepted) {
        auto kept = readUpdateFile(fuzz::scratchFolder());
        fuzz::require(kept.ok() && kept.value() == accepted.value());
    }
    return 0;
}

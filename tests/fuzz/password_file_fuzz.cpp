#include "core/cp1254.h"
#include "core/file_io.h"
#include "core/password_file.h"
#include "fuzz_input.h"

using namespace marunda;

// Any data.dat either gives a password the prompt can hold or is refused as damaged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PasswordFile file(fuzz::scratchFolder());
    fuzz::require(replaceFile(file.file(), fuzz::bytes(data, size)).ok());
    auto isSet = file.passwordIsSet();
    auto password = file.readPassword();
    if (password) {
        fuzz::require(isSet.ok());
        fuzz::require(utf8ToUtf32(password.value()).size() <= kMaxPasswordLength);
    }
    return 0;
}

#include "installer/file_copy.h"

#include "common/file_io.h"
#include "common/file_name.h"

#include <system_error>

namespace marunda::installer {
namespace fs = std::filesystem;

Result<void> copyReplacing(const fs::path& source, const fs::path& destination, bool program) {
    auto bytes = readFile(source);
    if (!bytes) {
        return bytes.error();
    }
    if (auto written = replaceFile(destination, bytes.value()); !written) {
        return written.error();
    }
    if (program) {
        std::error_code error;
        fs::permissions(destination,
                        fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                        fs::perm_options::add, error);
        if (error) {
            return makeError(ErrorCode::unwritable, pathText(destination));
        }
    }
    return {};
}

} // namespace marunda::installer

#include "platform/platform.h"

#include <fcntl.h>
#include <unistd.h>

namespace marunda::platform {

// An open or running file can be deleted here: only the folder's permission matters.
bool deletable(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, error))) {
        return true;
    }
    const auto folder =
        file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
    return faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

} // namespace marunda::platform

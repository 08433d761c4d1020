#include "common/file_name.h"
#include "platform/platform.h"

#include <cstdlib>
#include <system_error>

namespace marunda::platform {

namespace {

std::filesystem::path homeFolder() {
    const char* home = std::getenv("HOME");
    return home && *home ? std::filesystem::path(home) : std::filesystem::path("/");
}

// An XDG base folder: the variable when it holds an absolute path, the default otherwise.
std::filesystem::path xdgFolder(const char* variable, const char* underHome) {
    const char* value = std::getenv(variable);
    if (value && *value == '/') {
        return value;
    }
    return homeFolder() / underHome;
}

} // namespace

Result<std::filesystem::path> windowsFolder() {
    auto folder = xdgFolder("XDG_DATA_HOME", ".local/share") / "Marunda";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        return makeError(ErrorCode::unwritable, pathText(folder) + ": " + error.message());
    }
    return folder;
}

} // namespace marunda::platform

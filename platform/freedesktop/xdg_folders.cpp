#include "platform/freedesktop/xdg_folders.h"

#include <cstdlib>

namespace marunda::platform::xdg {

namespace {

// The variable when it holds an absolute path (the rules say a relative one is to be ignored),
// the default otherwise.
std::filesystem::path baseFolder(const char* variable, const char* underHome) {
    const char* value = std::getenv(variable);
    if (value && *value == '/') {
        return value;
    }
    return home() / underHome;
}

} // namespace

std::filesystem::path home() {
    const char* value = std::getenv("HOME");
    return value && *value ? std::filesystem::path(value) : std::filesystem::path("/");
}

std::filesystem::path dataHome() {
    return baseFolder("XDG_DATA_HOME", ".local/share");
}

std::filesystem::path configHome() {
    return baseFolder("XDG_CONFIG_HOME", ".config");
}

} // namespace marunda::platform::xdg

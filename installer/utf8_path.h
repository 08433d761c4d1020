#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace marunda::installer {

// The folder texts of the windows and the log are UTF-8 in memory, whatever the system's paths.
inline std::filesystem::path pathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

} // namespace marunda::installer

#include "core/file_io.h"
#include "core/file_name.h"
#include "platform/freedesktop/xdg_folders.h"
#include "platform/platform.h"

#include <sstream>
#include <system_error>

namespace marunda::platform {

namespace {

// The value of a line `KEY="$HOME/Folder"` or `KEY="/abs/Folder"` of user-dirs.dirs, with the
// shell's backslash escapes undone; nullopt when the line is not of that form.
std::optional<std::filesystem::path> userDirValue(std::string_view line, std::string_view key) {
    if (line.substr(0, key.size()) != key || line.substr(key.size(), 2) != "=\"" ||
        line.size() < key.size() + 3 || line.back() != '"') {
        return std::nullopt;
    }
    std::string_view quoted = line.substr(key.size() + 2, line.size() - key.size() - 3);
    std::string value;
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        if (quoted[i] == '\\' && i + 1 < quoted.size()) {
            ++i;
        }
        value += quoted[i];
    }
    constexpr std::string_view homeVariable = "$HOME";
    if (value.starts_with(homeVariable)) {
        auto rest = value.substr(homeVariable.size());
        if (!rest.empty() && rest.front() != '/') {
            return std::nullopt;
        }
        // "$HOME/" alone means the user wants no folder of its own: the home folder serves.
        return xdg::home() / std::filesystem::path(rest).relative_path();
    }
    if (value.starts_with('/')) {
        return std::filesystem::path(value);
    }
    return std::nullopt;
}

} // namespace

Result<std::filesystem::path> windowsFolder() {
    auto folder = xdg::dataHome() / "Marunda";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        return makeError(ErrorCode::unwritable, pathText(folder) + ": " + error.message());
    }
    return folder;
}

Result<std::filesystem::path> desktopFolder() {
    auto fallback = xdg::home() / "Desktop";
    auto text = readFile(xdg::configHome() / "user-dirs.dirs");
    if (!text) {
        return fallback; // no file: the default folder, as xdg-user-dirs has it
    }
    std::istringstream lines(text.value());
    std::optional<std::filesystem::path> found;
    for (std::string line; std::getline(lines, line);) {
        if (auto value = userDirValue(line, "XDG_DESKTOP_DIR")) {
            found = value; // the last assignment wins, as in the shell
        }
    }
    return found.value_or(fallback);
}

std::filesystem::path defaultInstallationFolder() {
    return xdg::home() / "Telefon";
}

} // namespace marunda::platform

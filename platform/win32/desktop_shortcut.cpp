#include "core/file_name.h"
#include "platform/platform.h"
#include "platform/win32/shell_link.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

namespace marunda::platform {

namespace {

Result<std::filesystem::path> shortcutFile(std::string_view caption) {
    if (!win32::plainFileName(caption)) {
        return makeError(ErrorCode::badFormat, "shortcut " + std::string(caption));
    }
    auto desktop = desktopFolder();
    if (!desktop) {
        return desktop.error();
    }
    return desktop.value() / std::filesystem::path(win32::wide(std::string(caption) + ".lnk"));
}

} // namespace

Result<void> createDesktopShortcut(const Shortcut& shortcut) {
    auto file = shortcutFile(shortcut.caption);
    if (!file) {
        return file.error();
    }
    return win32::writeShellLink(file.value(), shortcut);
}

Result<void> removeDesktopShortcut(std::string_view caption) {
    auto file = shortcutFile(caption);
    if (!file) {
        return file.error();
    }
    win32::removeLeftoverLink(file.value());
    if (!DeleteFileW(file.value().c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
        return win32::systemError(ErrorCode::unwritable, pathText(file.value()), GetLastError());
    }
    return {};
}

} // namespace marunda::platform

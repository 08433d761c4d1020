#include "platform/freedesktop/desktop_entry.h"
#include "platform/platform.h"

namespace marunda::platform {

namespace {

Result<std::filesystem::path> shortcutFile(std::string_view caption) {
    if (!freedesktop::plainFileName(caption)) {
        return makeError(ErrorCode::badFormat, "shortcut " + std::string(caption));
    }
    auto desktop = desktopFolder();
    if (!desktop) {
        return desktop.error();
    }
    return desktop.value() / (std::string(caption) + ".desktop");
}

} // namespace

Result<void> createDesktopShortcut(const Shortcut& shortcut) {
    auto file = shortcutFile(shortcut.caption);
    if (!file) {
        return file.error();
    }
    return freedesktop::writeEntryFile(
        file.value(), freedesktop::applicationEntry(shortcut, "Office;ContactManagement;"), true);
}

Result<void> removeDesktopShortcut(std::string_view caption) {
    auto file = shortcutFile(caption);
    if (!file) {
        return file.error();
    }
    return freedesktop::removeEntryFile(file.value());
}

} // namespace marunda::platform

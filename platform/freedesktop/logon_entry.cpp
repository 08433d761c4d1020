#include "platform/freedesktop/desktop_entry.h"
#include "platform/freedesktop/xdg_folders.h"
#include "platform/platform.h"

// Logon entries are the user's autostart desktop entries: a freedesktop session has no
// machine-wide place that a user may write.
namespace marunda::platform {

namespace {

Result<std::filesystem::path> autostartFile(std::string_view name) {
    if (!freedesktop::plainFileName(name)) {
        return makeError(ErrorCode::badFormat, "logon entry " + std::string(name));
    }
    return xdg::configHome() / "autostart" / (std::string(name) + ".desktop");
}

} // namespace

Result<void> setLogonEntry(std::string_view name, const std::filesystem::path& program) {
    auto file = autostartFile(name);
    if (!file) {
        return file.error();
    }
    Shortcut entry{std::string(name), std::string(name), program, {}};
    return freedesktop::writeEntryFile(
        file.value(), freedesktop::applicationEntry(entry, "Office;ContactManagement;"));
}

Result<void> removeLogonEntry(std::string_view name) {
    auto file = autostartFile(name);
    if (!file) {
        return file.error();
    }
    return freedesktop::removeEntryFile(file.value());
}

} // namespace marunda::platform

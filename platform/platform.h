#pragma once

#include "common/result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The operating system's services that the programs need beyond Qt and the standard library.
// One implementation per system is chosen when building (freedesktop, Win32, or the fake that
// tests of the installer link instead); none of them touches a data file of the phone book.
namespace marunda::platform {

// An entry that starts a program: the caption the user sees and the program it starts.
struct Shortcut {
    std::string caption; // UTF-8
    std::filesystem::path target;
};

// A volume the folder pickers offer, with whether it can be read now.
struct Volume {
    std::filesystem::path root;
    std::string label; // UTF-8; empty when the volume has none
    bool ready = false;
};

// The folder that holds the installation logs and the uninstaller's copy; created when missing.
Result<std::filesystem::path> windowsFolder();
// The user's desktop folder (it may not exist yet).
Result<std::filesystem::path> desktopFolder();

// The program group `group` with exactly these items; a second creation replaces the first.
Result<void> createProgramGroup(std::string_view group, const std::vector<Shortcut>& items);
// Removes the group and its items; entries of others are left alone. Missing is no error.
Result<void> removeProgramGroup(std::string_view group, const std::vector<Shortcut>& items);

// The shortcut on the desktop named after its caption.
Result<void> createDesktopShortcut(const Shortcut& shortcut);
Result<void> removeDesktopShortcut(std::string_view caption);

// Starts `program` at every logon of the user; `name` identifies the entry.
Result<void> setLogonEntry(std::string_view name, const std::filesystem::path& program);
Result<void> removeLogonEntry(std::string_view name);

// Starts `program` and returns at once: not waited for, inheriting no open files, with its
// folder as the current directory. Fails when it cannot be started.
Result<void> startDetached(const std::filesystem::path& program);

// The volumes to choose a folder on.
std::vector<Volume> volumes();

// The file in `folder` whose name equals `name` without regard to case, as a file system that
// ignores case would find it; nullopt when there is none.
std::optional<std::filesystem::path> findSibling(const std::filesystem::path& folder,
                                                 std::string_view name);

} // namespace marunda::platform

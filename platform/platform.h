#pragma once

#include "core/result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The operating system's services that the programs need beyond Qt and the standard library.
// One implementation per system is chosen when building (freedesktop, Win32, or the fake that
// tests of the installer link instead); none of them touches a data file of the phone book.
namespace marunda::platform {

// An entry that starts a program.
struct Shortcut {
    // ASCII letters, digits and '-', unique in its group; names the entry's file where the system
    // needs a name of its own (on Linux "telefon" becomes "marunda-telefon.desktop").
    std::string name;
    std::string caption; // UTF-8, what the user sees
    std::filesystem::path target;
    // Empty: the program's own icon where it carries one, the system's address-book icon else.
    std::filesystem::path icon;
    // The kinds of file the program opens, handed to it as arguments ("text/vcard"); where the
    // system offers programs by the kind of file (Linux), the entry says so. Windows' "Open with"
    // passes the file to any program.
    std::vector<std::string> opens = {};
    // Where desktop entries name their icons from a theme (Linux), the icon given by
    // installIcon() that the entry shows in place of `icon`; ignored where a program's file
    // carries its own icon (Windows).
    std::string themeIcon = {};

    bool operator==(const Shortcut&) const = default;
};

// A picture of a program's icon: a PNG file of `size` pixels square.
struct IconPicture {
    int size;
    std::filesystem::path file;
};

// A volume the folder pickers offer, with whether it can be read now.
struct Volume {
    std::filesystem::path root;
    std::string label; // UTF-8; empty when the volume has none
    bool ready = false;

    bool operator==(const Volume&) const = default;
};

// The folder that holds the installation logs and the uninstaller's copy; created when missing.
Result<std::filesystem::path> windowsFolder();
// The user's desktop folder (it may not exist yet).
Result<std::filesystem::path> desktopFolder();
// Where Kur proposes to install: "Telefon" at the root of the system drive on Windows, in the
// home folder elsewhere.
std::filesystem::path defaultInstallationFolder();

// The program group `group` with exactly these items; a second creation replaces the first.
Result<void> createProgramGroup(std::string_view group, const std::vector<Shortcut>& items);
// Removes these items of the group and then the group itself if nothing else is left in it;
// entries of others are left alone. Missing entries are no error.
Result<void> removeProgramGroup(std::string_view group, const std::vector<Shortcut>& items);

// The shortcut on the desktop named after its caption.
Result<void> createDesktopShortcut(const Shortcut& shortcut);
Result<void> removeDesktopShortcut(std::string_view caption);

// Gives this user the icon `name` (ASCII letters, digits and '-') in these pictures, at the
// sizes of kThemeIconSizes, for the entries whose themeIcon names it; a second call replaces the
// first. Where no entry names its icon so (Windows) there are no pictures and nothing to do.
Result<void> installIcon(std::string_view name, const std::vector<IconPicture>& pictures);
// Removes the pictures of the icon `name`, then the folders that leaves empty; the pictures of
// others stay. A missing picture is no error.
Result<void> removeIcon(std::string_view name);

// Starts `program` at every logon; `name` identifies the entry. Machine-wide where allowed,
// for this user otherwise.
Result<void> setLogonEntry(std::string_view name, const std::filesystem::path& program);
Result<void> removeLogonEntry(std::string_view name);

// Starts `program` with `arguments` (UTF-8, each arriving whole) and returns at once: not
// waited for, inheriting no open files, with its folder as the current directory. Fails when it
// cannot be started.
Result<void> startDetached(const std::filesystem::path& program,
                           const std::vector<std::string>& arguments = {});

// Whether `file` could be deleted now: not held open by a program that forbids it, nor, where
// the system keeps a running program's file, run. A missing file can. Changes nothing.
bool deletable(const std::filesystem::path& file);

// Starts `program` as startDetached does, but as the user who is logged on: a program started by
// an installer that runs with the administrator's rights must not inherit them. Where the system
// offers no way to drop them, it starts with the caller's rights.
Result<void> startAsUser(const std::filesystem::path& program);

// Whether writing the Windows folder takes the administrator's rights (on Windows; elsewhere it
// is a folder of the user's own).
bool windowsFolderNeedsAdministrator();

// The volumes to choose a folder on, in a stable order.
std::vector<Volume> volumes();
// Whether the volume at `root` can be read now (a drive without its medium cannot).
bool volumeReady(const std::filesystem::path& root);
// The root of the volume that holds `folder`; never empty.
std::filesystem::path volumeOf(const std::filesystem::path& folder);

// The file in `folder` whose name equals `name` without regard to case, as a file system that
// ignores case would find it; nullopt when there is none.
std::optional<std::filesystem::path> findSibling(const std::filesystem::path& folder,
                                                 std::string_view name);

// Whether the file system takes names that differ only in case for the same file; where it
// does, folders may be shown in lower case without naming another folder.
bool fileNamesIgnoreCase();

// `path` as the file system spells it where names ignore case: each part that exists as its
// folder holds it, a drive's letter in capitals, the parts beyond the first missing one as
// given. Elsewhere `path` itself.
std::filesystem::path storedSpelling(const std::filesystem::path& path);

} // namespace marunda::platform

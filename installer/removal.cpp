#include "installer/removal.h"

#include "core/file_io.h"
#include "core/file_name.h"
#include "installer/backup.h"
#include "installer/file_copy.h"
#include "installer/held_files.h"
#include "installer/installation_log.h"
#include "installer/medium.h"
#include "installer/shortcuts.h"
#include "platform/platform.h"

#include <algorithm>
#include <optional>
#include <system_error>

namespace marunda::installer {
namespace fs = std::filesystem;

namespace {

RemovalReport stopped(RemovalStop stop, std::string detail, std::string folder = {}) {
    return {stop, std::move(detail), std::move(folder), {}, {}, {}};
}

std::vector<std::string> ownNames() {
    std::vector<std::string> names;
    for (const auto& file : installedFiles()) {
        names.push_back(file.destination);
    }
    const auto book = bookFiles();
    names.insert(names.end(), book.begin(), book.end());
    return names;
}

// The runtime's subfolders (its plugins), once emptied; one holding files of others stays.
void removeRuntimeFolders(const fs::path& folder) {
    for (const auto& file : runtimeFiles()) {
        const fs::path parent = fs::path(file).parent_path();
        std::error_code error;
        if (!parent.empty() && fs::is_empty(folder / parent, error) && !error) {
            fs::remove(folder / parent, error);
        }
    }
}

// Deletes our files of `folder`; the name of the first that could not go, else none.
std::optional<std::string> deleteOwnFiles(const fs::path& folder) {
    const auto names = ownNames();
    for (const auto& name : names) {
        if (!removeFile(folder / name)) {
            return name;
        }
    }
    // What an interrupted replacement of one of them left is ours too.
    removeLeftoverCopies(folder, names);
    removeRuntimeFolders(folder);
    return std::nullopt;
}

// What is left in the folder, sorted; none when the folder could not be read.
std::optional<std::vector<std::string>> entriesOf(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    for (const fs::directory_iterator end; !error && it != end; it.increment(error)) {
        names.push_back(pathText(it->path().filename()));
    }
    if (error) {
        return std::nullopt;
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Removes the folder when it is empty. True when it is gone, or holds only `remaining`, files of
// others; false when that could not be told, or an empty folder could not be removed.
bool removeIfEmpty(const fs::path& folder, std::vector<std::string>& remaining) {
    std::error_code error;
    const bool exists = fs::exists(folder, error);
    if (error) {
        return false;
    }
    if (!exists) {
        return true;
    }
    auto entries = entriesOf(folder);
    if (!entries) {
        return false;
    }
    if (!entries->empty()) {
        remaining = std::move(*entries);
        return true;
    }
    return fs::remove(folder, error) && !error;
}

std::vector<LaterStep> unregister(const fs::path& folder, const fs::path& windowsFolder,
                                  const Progress& progress) {
    std::vector<LaterStep> failed;
    progress(70);
    if (!platform::removeProgramGroup(kGroup, groupItems(folder, windowsFolder))) {
        failed.push_back(LaterStep::programGroup);
    }
    progress(80);
    progress(90);
    // A missing shortcut is no failure: the user may have deleted it.
    if (!platform::removeDesktopShortcut(kDesktopCaption)) {
        failed.push_back(LaterStep::desktopShortcut);
    }
    if (!platform::removeLogonEntry(kLogonName)) {
        failed.push_back(LaterStep::logonEntry);
    }
    // Once no entry names them.
    if (!removeProgramIcons()) {
        failed.push_back(LaterStep::programIcons);
    }
    return failed;
}

} // namespace

RemovalReport installedFolder() {
    auto windowsFolder = platform::windowsFolder();
    if (!windowsFolder) {
        return stopped(RemovalStop::noWindowsFolder, windowsFolder.error().detail);
    }
    auto folder = readInstallationLog(windowsFolder.value());
    if (!folder) {
        return stopped(RemovalStop::noLog, std::string(kLog17));
    }
    return stopped(RemovalStop::none, {}, folder.value());
}

RemovalReport removeInstallation(bool backup, const Progress& progress) {
    RemovalReport report = installedFolder();
    if (report.stop != RemovalStop::none) {
        return report;
    }
    const fs::path windowsFolder = platform::windowsFolder().value();
    const fs::path folder = pathFromText(report.folder);
    if (backup) {
        auto saved = backUpBook(folder);
        if (!saved) {
            return stopped(RemovalStop::backupFailed, saved.error().detail, report.folder);
        }
        report.earlierBackup = saved.value();
    }
    // All or nothing: one file held by a running program would leave links that point at nothing.
    if (auto held = firstHeldFile(folder)) {
        auto stop = stopped(RemovalStop::fileInUse, *held, report.folder);
        stop.earlierBackup = report.earlierBackup;
        return stop;
    }
    if (auto failed = deleteOwnFiles(folder)) {
        auto stop = stopped(RemovalStop::deleteFailed, *failed, report.folder);
        stop.earlierBackup = report.earlierBackup;
        return stop;
    }
    progress(40);
    const bool folderDone = removeIfEmpty(folder, report.remaining);
    progress(60);
    report.failed = unregister(folder, windowsFolder, progress);
    if (!folderDone) {
        report.failed.insert(report.failed.begin(), LaterStep::installationFolder);
    }
    // The log last, once nothing else is left: while it is there, Kur offers the removal again
    // and that finishes the job.
    if (report.failed.empty()) {
        if (auto removed = removeInstallationLog(windowsFolder); !removed) {
            report.failed.push_back(LaterStep::installationLog);
        }
    }
    progress(100);
    return report;
}

} // namespace marunda::installer

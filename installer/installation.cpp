#include "installer/installation.h"

#include "converter/installation_conversion.h"
#include "core/cp1254.h"
#include "core/file_io.h"
#include "core/file_name.h"
#include "installer/file_copy.h"
#include "installer/installation_log.h"
#include "installer/medium.h"
#include "installer/shortcuts.h"
#include "installer/windows_folder_check.h"
#include "installer/write_failure.h"
#include "platform/platform.h"

#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

namespace marunda::installer {
namespace fs = std::filesystem;

namespace {

InstallReport stopped(InstallStop stop, std::string detail = {},
                      WriteCause cause = WriteCause::unknown) {
    return {stop, std::move(detail), cause, {}};
}

const std::string* firstMissingSource(const fs::path& medium) {
    for (const auto& name : requiredSources()) {
        std::error_code error;
        if (!fs::is_regular_file(medium / name, error)) {
            return &name;
        }
    }
    return nullptr;
}

void convertOldInstallation(const fs::path& windowsFolder, const InstallEvents& events) {
    if (converter::installerConversionPending(windowsFolder)) {
        events.converting();
        converter::convertForInstaller(windowsFolder);
    }
}

struct FolderStop {
    InstallStop stop;
    WriteCause cause = WriteCause::unknown;
};

// Makes sure the target folder exists; none when it does.
std::optional<FolderStop> prepareFolder(const fs::path& target, const InstallEvents& events) {
    std::error_code error;
    const auto status = fs::status(target, error);
    if (fs::is_directory(status)) {
        return std::nullopt;
    }
    if (fs::exists(status)) {
        return FolderStop{InstallStop::unusableFolder};
    }
    if (!events.createFolder()) {
        return FolderStop{InstallStop::declined};
    }
    // One level only: a folder whose parent is missing is refused, not built up.
    if (!fs::create_directory(target, error) || error) {
        return FolderStop{InstallStop::folderNotCreated, causeOf(error)};
    }
    events.progress(10);
    return std::nullopt;
}

struct CopyFailure {
    std::string file; // as the report names it
    WriteCause cause;
};

// Copies into `folder`, making the folder a runtime file lies in.
std::optional<CopyFailure> copyInto(const fs::path& source, const fs::path& folder,
                                    const std::string& name, bool program,
                                    const std::string& reported) {
    const fs::path destination = folder / fs::path(name).make_preferred();
    std::error_code error;
    fs::create_directories(destination.parent_path(), error);
    if (copyReplacing(source, destination, program)) {
        return std::nullopt;
    }
    const auto size = fs::file_size(source, error);
    return CopyFailure{reported, writeFailureCause(destination, error ? 0 : size)};
}

// The installer's copy in the Windows folder, with the runtime it loads beside it.
std::optional<CopyFailure> copyUninstaller(const InstallPlan& plan, const fs::path& windowsFolder) {
    const fs::path runtime = windowsFolder / kRuntimeFolder;
    for (const auto& file : uninstallerRuntime()) {
        const std::string source = runtimeSource(file);
        if (auto failed =
                copyInto(plan.installer.parent_path() / source, runtime, file, false, source)) {
            return failed;
        }
    }
    return copyInto(plan.installer, windowsFolder, uninstallerName(), true, uninstallerName());
}

// What an interrupted earlier installation left of the files it copies.
void removeLeftovers(const fs::path& target, const fs::path& windowsFolder) {
    std::vector<std::string> names;
    for (const auto& file : installedFiles()) {
        names.push_back(file.destination);
    }
    removeLeftoverCopies(target, names);
    removeLeftoverCopies(windowsFolder / kRuntimeFolder, uninstallerRuntime());
    const std::string uninstaller[] = {uninstallerName()};
    removeLeftoverCopies(windowsFolder, uninstaller);
}

std::optional<CopyFailure> copyFiles(const InstallPlan& plan, const fs::path& target,
                                     const fs::path& windowsFolder, const Progress& progress) {
    removeLeftovers(target, windowsFolder);
    int shown = 0;
    for (const auto& file : installedFiles()) {
        if (auto failed = copyInto(plan.medium / file.source, target, file.destination,
                                   file.program, file.destination)) {
            return failed;
        }
        // The runtime's files share one step of the bar.
        if (file.progressAfter != shown) {
            shown = file.progressAfter;
            progress(shown);
        }
    }
    return copyUninstaller(plan, windowsFolder);
}

std::vector<LaterStep> registerPrograms(const InstallPlan& plan, const fs::path& target,
                                        const fs::path& windowsFolder, const Progress& progress) {
    std::vector<LaterStep> failed;
    // Before the entries that name them, so that a menu shows them at once.
    if (!installProgramIcons(plan.medium)) {
        failed.push_back(LaterStep::programIcons);
    }
    if (!platform::createProgramGroup(kGroup, groupItems(target, windowsFolder))) {
        failed.push_back(LaterStep::programGroup);
    }
    if (!platform::setLogonEntry(kLogonName, reminderProgram(target))) {
        failed.push_back(LaterStep::logonEntry);
    }
    progress(90);
    if (!platform::createDesktopShortcut(desktopShortcut(target))) {
        failed.push_back(LaterStep::desktopShortcut);
    }
    progress(100);
    // Kur may run with the administrator's rights; the reminder gets the user's own.
    if (!platform::startAsUser(reminderProgram(target))) {
        failed.push_back(LaterStep::startReminder);
    }
    return failed;
}

} // namespace

InstallReport install(const InstallPlan& plan, const InstallEvents& events) {
    if (const auto* missing = firstMissingSource(plan.medium)) {
        return stopped(InstallStop::missingSources, *missing);
    }
    auto windowsFolder = platform::windowsFolder();
    if (!windowsFolder) {
        return stopped(InstallStop::noWindowsFolder, windowsFolder.error().detail);
    }
    const fs::path& w = windowsFolder.value();
    if (!windowsFolderWritable(w)) {
        return stopped(InstallStop::windowsFolderReadOnly, pathText(w));
    }
    // Before the target is looked at: a 1.6 book is converted even if the user then stops.
    convertOldInstallation(w, events);

    // The log keeps the folder as typed; the files, links and logon entry get the system's own
    // separators, whichever the user typed.
    const fs::path target = pathFromText(plan.folder).make_preferred();
    if (!fitsCp1254(plan.folder)) {
        return stopped(InstallStop::nameNotInCodePage, plan.folder);
    }
    if (!loggableFolder(plan.folder) || !target.is_absolute()) {
        return stopped(InstallStop::unusableFolder, plan.folder);
    }
    if (auto stop = prepareFolder(target, events)) {
        return stopped(stop->stop, plan.folder, stop->cause);
    }
    events.progress(20);
    if (auto failed = copyFiles(plan, target, w, events.progress)) {
        return stopped(InstallStop::copyFailed, failed->file, failed->cause);
    }
    // The commit point: only a complete installation is recorded, and a failure before this
    // leaves the log of the one there was.
    if (!writeInstallationLog(w, plan.folder)) {
        return stopped(InstallStop::logNotWritten, std::string(kLog17));
    }
    events.progress(70);
    return {InstallStop::none,
            {},
            WriteCause::unknown,
            registerPrograms(plan, target, w, events.progress)};
}

} // namespace marunda::installer

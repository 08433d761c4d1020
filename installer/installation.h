#pragma once

#include "installer/steps.h"
#include "installer/write_failure.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace marunda::installer {

struct InstallPlan {
    std::filesystem::path medium;    // the installer's folder, with dosya1.dat...
    std::filesystem::path installer; // the running installer's own file
    std::string folder;              // the target as typed (UTF-8)
};

struct InstallEvents {
    // A 1.6 installation is about to be converted; returns when the user has been told.
    std::function<void()> converting;
    // The target folder is missing: whether to create it.
    std::function<bool()> createFolder;
    Progress progress;
};

enum class InstallStop {
    none,                  // installed; `failed` names the later steps that could not be done
    missingSources,        // `detail`: the first source missing from the medium
    noWindowsFolder,       // the folder of the logs cannot be had
    windowsFolderReadOnly, // `detail`: the folder of the logs, which this user may not write
    nameNotInCodePage,     // the name holds letters that code page 1254 (the log's) cannot hold
    unusableFolder,        // the name cannot be logged, is not a full path, or is a file
    declined,              // the user would not have the folder created
    folderNotCreated,      // `cause`: why
    logNotWritten,
    copyFailed, // `detail`: the file that could not be copied; `cause`: why
};

struct InstallReport {
    InstallStop stop = InstallStop::none;
    std::string detail; // UTF-8
    WriteCause cause = WriteCause::unknown;
    std::vector<LaterStep> failed;
};

// The whole installation in the order of its steps. It stops at the first step whose failure
// would leave an installation that does not work; the log is written once every file is in
// place, and the steps after it are each tried.
InstallReport install(const InstallPlan& plan, const InstallEvents& events);

} // namespace marunda::installer

#pragma once

#include "installer/steps.h"

#include <string>
#include <vector>

namespace marunda::installer {

enum class RemovalStop {
    none,  // removed; see the report for what stayed
    noLog, // no installation is recorded
    noWindowsFolder,
    backupFailed, // `detail`: what could not be saved; nothing was deleted
    deleteFailed, // `detail`: the file that could not be deleted (in use, perhaps)
    fileInUse,    // `detail`: a file that cannot go now (a running program holds it); nothing was
                  // deleted, the backup asked for was made
};

struct RemovalReport {
    RemovalStop stop = RemovalStop::none;
    std::string detail;                 // UTF-8
    std::string folder;                 // the installation folder, UTF-8
    std::vector<std::string> remaining; // names left in the folder that are not ours
    // With a backup: the folder (its name, UTF-8) under which an earlier backup that differed was
    // kept; empty when there was none.
    std::string earlierBackup;
    // Not empty: the log stays, so that running the removal again finishes it.
    std::vector<LaterStep> failed;
};

// The folder the installation log names, for the maintenance choice and the removal.
RemovalReport installedFolder();

// Removes what the installation put into its folder and the phone book's own files, then the
// folder if nothing else is left; then the program group, the desktop shortcut, the logon entry
// and the programs' icons; and last the log, only when all that is gone. With `backup`, the data
// files are saved first, and a failure there deletes nothing. The uninstaller's own copy stays: it
// is the running program.
RemovalReport removeInstallation(bool backup, const Progress& progress);

} // namespace marunda::installer

#pragma once

#include <functional>
#include <string>
#include <vector>

namespace marunda::installer {

// Steps after the files are in place (or gone): when one fails, the rest still runs and the final
// message names it.
enum class LaterStep {
    programIcons,
    programGroup,
    logonEntry,
    desktopShortcut,
    startReminder,
    installationLog,
    installationFolder, // an emptied folder that could not be checked or removed
};

// The value for the progress bar, after each step.
using Progress = std::function<void(int)>;

} // namespace marunda::installer

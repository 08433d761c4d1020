#pragma once

#include <filesystem>

namespace marunda::installer {

// Whether the installation may write into the Windows folder (its log, the uninstaller's copy).
// Asked before anything is done, so that a refusal leaves nothing behind. Leaves nothing either.
bool windowsFolderWritable(const std::filesystem::path& windowsFolder);

} // namespace marunda::installer

#pragma once

#include "core/result.h"

#include <filesystem>
#include <string_view>

namespace marunda::converter {

// Left in the Windows folder by the 1.6 installer; its first item is the 1.6 folder.
inline constexpr std::string_view kLog16 = "Marunda_16.log";

// The 1.6 folder that the log in `windowsFolder` names: notFound without a log, badFormat when
// its first item is empty.
Result<std::filesystem::path> readInstalledFolder(const std::filesystem::path& windowsFolder);

// Removes the log, so that no later installation takes the book for an unconverted one.
Result<void> removeInstallationLog(const std::filesystem::path& windowsFolder);

} // namespace marunda::converter

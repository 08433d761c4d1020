#pragma once

#include "core/result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace marunda::installer {

// In the Windows folder: its presence means that 1.7 is installed, its first item is where.
inline constexpr std::string_view kLog17 = "Marunda_17.log";

// Whether `folder` (UTF-8) can stand in the log and be read back whole: code page 1254 text
// without double quotes or line breaks.
bool loggableFolder(std::string_view folder);

// Writes the log anew: the folder in double quotes, so that a comma in it survives the reading. A
// failure leaves the old log, and what an interrupted earlier write left goes.
Result<void> writeInstallationLog(const std::filesystem::path& windowsFolder,
                                  std::string_view folder);

// The folder (UTF-8) the log names. A quoted first item is taken whole; an unquoted one, as
// earlier installers wrote it, is the whole first line, commas included. notFound without a log,
// badFormat when it names no folder.
Result<std::string> readInstallationLog(const std::filesystem::path& windowsFolder);

Result<void> removeInstallationLog(const std::filesystem::path& windowsFolder);

} // namespace marunda::installer

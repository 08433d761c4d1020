#pragma once

#include "core/result.h"
#include "platform/platform.h"

#include <filesystem>

namespace marunda::platform::win32 {

// Writes `file`, a shell link (.lnk) that starts the shortcut's target in its own folder,
// through a temporary file, so that a link is never half written.
Result<void> writeShellLink(const std::filesystem::path& file, const Shortcut& shortcut);
// Removes what an interrupted writeShellLink of `file` left beside it.
void removeLeftoverLink(const std::filesystem::path& file);

} // namespace marunda::platform::win32

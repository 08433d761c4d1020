#pragma once

#include "core/result.h"

#include <windows.h>

#include <filesystem>
#include <shtypes.h>
#include <string_view>

namespace marunda::platform::win32 {

// A folder of the shell (the desktop, the Start menu's programs), created when missing.
Result<std::filesystem::path> knownFolder(const KNOWNFOLDERID& id, std::string_view what);

} // namespace marunda::platform::win32

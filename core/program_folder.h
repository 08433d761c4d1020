#pragma once

#include "core/export.h"
#include "core/result.h"

#include <filesystem>

namespace marunda {

// The folder of the running executable, whatever the current directory was at start.
MARUNDA_CORE_EXPORT std::filesystem::path programFolder();

// Makes `folder` the current directory.
MARUNDA_CORE_EXPORT Result<void> enterFolder(const std::filesystem::path& folder);

} // namespace marunda

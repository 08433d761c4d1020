#pragma once

#include "core/result.h"

#include <filesystem>

namespace marunda {

// The folder of the running executable, whatever the current directory was at start.
std::filesystem::path programFolder();

// Makes `folder` the current directory.
Result<void> enterFolder(const std::filesystem::path& folder);

} // namespace marunda

#pragma once

#include "core/result.h"

#include <filesystem>
#include <span>
#include <string>

namespace marunda::installer {

// Copies `source` over `destination` through a file beside it and a rename, so that a program
// of an earlier installation that is running keeps its old file and never sees half a new one.
// A program gets the executable bit for everyone, any other file stays as the replacement
// leaves it.
Result<void> copyReplacing(const std::filesystem::path& source,
                           const std::filesystem::path& destination, bool program);

// Removes what interrupted copies left of these files of `folder`: names relative to it, with '/'
// before a file in a subfolder.
void removeLeftoverCopies(const std::filesystem::path& folder, std::span<const std::string> names);

} // namespace marunda::installer

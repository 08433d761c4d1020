#pragma once

#include "core/result.h"

#include <filesystem>

namespace marunda::installer {

// Copies a data file of the book over `destination`, which gets the book file's permissions
// (without set-id bits; owner only where they cannot be read) before the bytes go in: a copy is
// never more open than its book. What it created is removed again when it fails.
Result<void> copyDataFile(const std::filesystem::path& source,
                          const std::filesystem::path& destination);

} // namespace marunda::installer

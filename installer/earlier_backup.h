#pragma once

#include "core/result.h"

#include <filesystem>
#include <string>

namespace marunda::installer {

// A backup that saving `book` into `backup` would overwrite with other bytes is moved aside
// first, beside it under the date its files were written ("Marunda Kayıt Dosyaları (2026-12-09
// 14.03)"): the name it then has (UTF-8), empty when there was none to keep.
Result<std::string> keepEarlierBackup(const std::filesystem::path& book,
                                      const std::filesystem::path& backup);

} // namespace marunda::installer

#pragma once

#include "core/book_files.h"
#include "core/result.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace marunda::installer {

inline constexpr std::string_view kBackupFolder = "Marunda Kayıt Dosyaları";
inline constexpr std::string_view kReadMe = "Beni Oku.txt";
// The book's data files, which the backup saves beside its read-me.
inline const std::vector<std::string_view> kBackedUpFiles = bookFileNames(BookFileRole::data);
inline constexpr std::string_view kReadMeLine =
    "Bu klasördeki dosyaları kullanmak için, Marunda programını kurduktan sonra programın olduğu "
    "klasöre kopyalayın";

// Copies the data files of `folder` that exist into the backup folder on the desktop (made when
// missing, reused when there) and writes the read-me anew. An earlier backup that a copy would
// overwrite with other bytes is first kept aside, beside it under the date of its files: the
// name it then has (UTF-8) is the result, empty when none was. Fails, naming the file, when any
// of it could not be done: the caller must then delete nothing.
Result<std::string> backUpBook(const std::filesystem::path& folder);

} // namespace marunda::installer

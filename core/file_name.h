#pragma once

#include "core/export.h"

#include <filesystem>
#include <string>
#include <string_view>

// File names as the platform spells them.
namespace marunda {

// Whether the file system takes names that differ only in case for the same file.
#ifdef _WIN32
inline constexpr bool kFileNamesIgnoreCase = true;
#else
inline constexpr bool kFileNamesIgnoreCase = false;
#endif

// The path as UTF-8 text, for messages; never fails (a Windows name that is not valid UTF-16
// shows U+FFFD where the broken character was).
MARUNDA_CORE_EXPORT std::string pathText(const std::filesystem::path& path);
// The path that UTF-8 text (a folder typed, logged or read from a file) names, alike on every
// system: the way back from pathText.
MARUNDA_CORE_EXPORT std::filesystem::path pathFromText(std::string_view utf8);

// Whether two paths spell the same file name: without regard to case on Windows, exactly
// elsewhere. Purely lexical ("a/./b" is "a/b"); links and the current directory play no part.
MARUNDA_CORE_EXPORT bool sameFileName(const std::filesystem::path& a,
                                      const std::filesystem::path& b);

} // namespace marunda

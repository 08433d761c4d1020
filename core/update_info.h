#pragma once

#include "core/book_files.h"
#include "core/export.h"
#include "core/result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// update.upd: the version information fetched from the update server and kept in the program
// folder. Three comma/quote items: the latest version, its date and a free message.
namespace marunda {

inline constexpr std::string_view kUpdateDocumentPath = "/update/update.upd";
// The real document is a few hundred bytes; anything far larger is not it.
inline constexpr std::size_t kUpdateBodyLimit = 64 * 1024;

// The items as written in the file (code page 1254 bytes, quotes removed, numbers untouched).
struct UpdateInfo {
    std::string version;
    std::string date;
    std::string message;

    bool operator==(const UpdateInfo&) const = default;
};

// The first three items; anything after them is ignored. fewerItems when there are not three.
MARUNDA_CORE_EXPORT Result<UpdateInfo> parseUpdateInfo(std::string_view bytes);

// The update.upd in `folder`; notFound when there is none, outOfRange when it holds more than
// kUpdateBodyLimit bytes (a download never keeps such a file).
MARUNDA_CORE_EXPORT Result<UpdateInfo> readUpdateFile(const std::filesystem::path& folder);

// Whether a server's answer is a usable document: status 200, at most kUpdateBodyLimit bytes,
// at least three items.
MARUNDA_CORE_EXPORT Result<UpdateInfo> checkUpdateResponse(int httpStatus, std::string_view body);

// Checks the answer first and only then replaces update.upd in `folder` with the body, byte for
// byte and atomically; a rejected answer leaves the last good file as it was.
MARUNDA_CORE_EXPORT Result<UpdateInfo> acceptUpdateResponse(const std::filesystem::path& folder,
                                                            int httpStatus, std::string_view body);

} // namespace marunda

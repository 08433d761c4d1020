#pragma once

#include "core/export.h"
#include "core/result.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

// Every call opens, uses and closes its file; no handle outlives it.
namespace marunda {

// Something that is not a file under that name (a folder) is `unreadable`, not a missing file.
MARUNDA_CORE_EXPORT Result<bool> fileExists(const std::filesystem::path& file);
// Missing file -> ErrorCode::notFound.
MARUNDA_CORE_EXPORT Result<std::uint64_t> fileSize(const std::filesystem::path& file);
MARUNDA_CORE_EXPORT Result<std::string> readFile(const std::filesystem::path& file);
// Up to `length` bytes from `offset`; fewer (or none) where the file ends earlier.
MARUNDA_CORE_EXPORT Result<std::string> readFileRange(const std::filesystem::path& file,
                                                      std::uint64_t offset, std::size_t length);

// The file from its start in pieces of `blockSize` bytes, at most `limit` bytes in all, from one
// opening; each piece is handed on before the next is read, so that a scan works on bytes still
// fresh in the processor's cache and never holds the whole file.
MARUNDA_CORE_EXPORT Result<void>
readFileInBlocks(const std::filesystem::path& file, std::uint64_t limit, std::size_t blockSize,
                 const std::function<void(std::string&& piece)>& take);

// One write at `offset` (creating the file when missing), flushed to the disk before returning.
MARUNDA_CORE_EXPORT Result<void> writeFileAt(const std::filesystem::path& file,
                                             std::uint64_t offset, std::string_view bytes);
// Bytes to put at one position of a file.
struct FilePatch {
    std::uint64_t offset;
    std::string_view bytes;
};
// Several scattered writes in one opening of an existing file (notFound when missing, nothing
// created), in the given order, flushed to the disk once before returning.
MARUNDA_CORE_EXPORT Result<void> patchFile(const std::filesystem::path& file,
                                           std::span<const FilePatch> patches);

// Creates an empty file when none exists; an existing one is left untouched.
MARUNDA_CORE_EXPORT Result<void> touchFile(const std::filesystem::path& file);

// What a file held before it is replaced, for a replacement whose report must be the whole
// truth: should it fail after its rename (the folder could not be synced), the previous contents
// are put back (or the file removed when there was none), so that a failure leaves the old file.
struct PreviousContents {
    bool existed = false;
    std::string_view bytes;
};

// Gives `fresh`, a new file not yet written, the permissions of `model` where that exists. Set
// before the bytes go in, so that a copy of a private book is never readable by others, not even
// for a moment.
MARUNDA_CORE_EXPORT Result<void> takePermissionsOf(const std::filesystem::path& fresh,
                                                   const std::filesystem::path& model);

// Replaces `target` as Qt's QSaveFile does: the new bytes go to a temporary file in the same
// folder, are flushed to the disk and renamed over the target, and the folder is synced; at every
// instant the target is either the old or the new file. A symbolic link is followed and its
// target replaced, the new file keeps the old one's permissions, a read-only target is refused,
// and a failed flush or folder sync is a failure. The temporary is `temporary` (replacing any
// stale one) when given, else a unique hidden `.NAME.XXXXXXXX.new` next to the target.
MARUNDA_CORE_EXPORT Result<void> replaceFileVia(const std::filesystem::path& target,
                                                const std::filesystem::path& temporary,
                                                std::string_view bytes,
                                                const PreviousContents* previous = nullptr);
MARUNDA_CORE_EXPORT Result<void> replaceFile(const std::filesystem::path& target,
                                             std::string_view bytes,
                                             const PreviousContents* previous = nullptr);

// replaceFile whose failure always leaves the old file (or none, when there was none): the old
// contents are read first, to be put back should the replacement fail after its rename. Where
// they cannot be read, a failure after the rename is reported as it is.
MARUNDA_CORE_EXPORT Result<void> replaceFileKeepingOld(const std::filesystem::path& target,
                                                       std::string_view bytes);

// replaceFileKeepingOld for a file in a folder of the user's choice (a listing, an export): what
// an interrupted replacement of that file left beside it is cleared first, as no start of the
// program looks there.
MARUNDA_CORE_EXPORT Result<void> replaceUserFile(const std::filesystem::path& target,
                                                 std::string_view bytes);

// Removes what an interrupted replaceFile of each of `names` in `folder` left behind.
MARUNDA_CORE_EXPORT void removeLeftoverTemporaries(const std::filesystem::path& folder,
                                                   std::span<const std::string_view> names);

// Cuts an existing file back to `size` bytes, flushed to the disk.
MARUNDA_CORE_EXPORT Result<void> truncateFile(const std::filesystem::path& file,
                                              std::uint64_t size);

// Creates or truncates `file` and writes `bytes`, with no flush to the disk: only for scratch
// files, whose loss costs nothing.
MARUNDA_CORE_EXPORT Result<void> overwriteScratchFile(const std::filesystem::path& file,
                                                      std::string_view bytes);

// Removes a file; a missing file is no error.
MARUNDA_CORE_EXPORT Result<void> removeFile(const std::filesystem::path& file);

} // namespace marunda

#pragma once

#include "common/result.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

// Every call opens, uses and closes its file; no handle outlives it.
namespace marunda {

Result<bool> fileExists(const std::filesystem::path& file);
// Missing file -> ErrorCode::notFound.
Result<std::uint64_t> fileSize(const std::filesystem::path& file);
Result<std::string> readFile(const std::filesystem::path& file);
// Up to `length` bytes from `offset`; fewer (or none) where the file ends earlier.
Result<std::string> readFileRange(const std::filesystem::path& file, std::uint64_t offset,
                                  std::size_t length);

// The file from its start in pieces of `blockSize` bytes, at most `limit` bytes in all, from one
// opening; each piece is handed on before the next is read, so that a scan works on bytes still
// fresh in the processor's cache and never holds the whole file.
Result<void> readFileInBlocks(const std::filesystem::path& file, std::uint64_t limit,
                              std::size_t blockSize,
                              const std::function<void(std::string&& piece)>& take);

// One write at `offset` (creating the file when missing), flushed to the disk before returning.
Result<void> writeFileAt(const std::filesystem::path& file, std::uint64_t offset,
                         std::string_view bytes);
// Bytes to put at one position of a file.
struct FilePatch {
    std::uint64_t offset;
    std::string_view bytes;
};
// Several scattered writes in one opening of an existing file (notFound when missing, nothing
// created), in the given order, flushed to the disk once before returning.
Result<void> patchFile(const std::filesystem::path& file, std::span<const FilePatch> patches);

// Creates an empty file when none exists; an existing one is left untouched.
Result<void> touchFile(const std::filesystem::path& file);

// Writes `bytes` to `temporary` (replacing any stale one), flushes it, then atomically renames
// it over `target`: at every instant `target` is either the old or the new file.
Result<void> replaceFileVia(const std::filesystem::path& target,
                            const std::filesystem::path& temporary, std::string_view bytes);
// The same through a hidden temporary file next to `target`.
Result<void> replaceFile(const std::filesystem::path& target, std::string_view bytes);

// Creates or truncates `file` and writes `bytes`, with no flush to the disk: only for scratch
// files, whose loss costs nothing.
Result<void> overwriteScratchFile(const std::filesystem::path& file, std::string_view bytes);

// Removes a file; a missing file is no error.
Result<void> removeFile(const std::filesystem::path& file);

} // namespace marunda

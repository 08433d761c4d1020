#pragma once

#include "core/export.h"
#include "core/result.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace marunda {

// The one place that speaks to the operating system's file calls: positioned reads and writes,
// a real flush to the disk, and a rename that replaces its target atomically.
class MARUNDA_CORE_EXPORT FileHandle {
public:
    enum class Mode {
        read,      // existing file, read only
        readWrite, // created empty when missing, never truncated
        create,    // created or truncated, write only
        createNew, // created, write only; fails when the file exists
    };

    FileHandle() = default;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { close(); }

    Result<void> open(const std::filesystem::path& file, Mode mode);
    Result<std::string> readAll();
    Result<std::string> readAt(std::uint64_t offset, std::size_t length);
    Result<void> writeAt(std::uint64_t offset, std::string_view bytes);
    Result<void> flush();
    // Cuts the file (or extends it with zero bytes) to `size` bytes.
    Result<void> truncate(std::uint64_t size);
    void close();

private:
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
    std::filesystem::path path_;
};

// Renames `from` over `to` (which may exist) and makes the rename itself durable.
MARUNDA_CORE_EXPORT Result<void> atomicRename(const std::filesystem::path& from,
                                              const std::filesystem::path& to);
// The two halves of atomicRename: the rename, and the sync of the folder that makes it durable.
MARUNDA_CORE_EXPORT Result<void> renameOver(const std::filesystem::path& from,
                                            const std::filesystem::path& to);
MARUNDA_CORE_EXPORT Result<void> syncFolder(const std::filesystem::path& folder);

// Whether this user may write to an existing file (not a read-only one).
MARUNDA_CORE_EXPORT bool fileIsWritable(const std::filesystem::path& file);

} // namespace marunda

#include "core/file_handle.h"

#include "core/file_faults.h"
#include "core/file_name.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace marunda {
namespace {

// A file that grants nobody write access is read-only, for root too.
bool writableByMode(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

// Opens `file` for writing and tells whether this call created it: a fresh file is made with
// O_EXCL, so that the answer is certain, and an existing one is opened without O_CREAT.
int openForWriting(const std::filesystem::path& file, FileHandle::Mode mode, bool& created) {
    const int access = mode == FileHandle::Mode::readWrite ? O_RDWR : O_WRONLY;
    const int existing = mode == FileHandle::Mode::create ? access | O_TRUNC : access;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(file.c_str(), access | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        created = fd >= 0;
        if (fd >= 0 || errno != EEXIST || mode == FileHandle::Mode::createNew) {
            return fd;
        }
        const int opened = ::open(file.c_str(), existing | O_CLOEXEC);
        if (opened >= 0 || errno != ENOENT) {
            return opened;
        }
        // Removed in between, or a link to nothing yet: try once more, then as before.
    }
    return ::open(file.c_str(), existing | O_CREAT | O_CLOEXEC, 0666);
}

} // namespace

Result<void> FileHandle::open(const std::filesystem::path& file, Mode mode) {
    close();
    path_ = file;
    bool created = false;
    const bool refused = mode != Mode::read && file_faults::nextCallFails();
    fd_ = refused              ? -1
          : mode == Mode::read ? ::open(file.c_str(), O_RDONLY | O_CLOEXEC)
                               : openForWriting(file, mode, created);
    if (fd_ < 0) {
        const auto code = errno == ENOENT && mode == Mode::read ? ErrorCode::notFound
                          : mode == Mode::read                  ? ErrorCode::unreadable
                                                                : ErrorCode::unwritable;
        return makeError(code, pathText(file));
    }
    if (mode != Mode::read && !writableByMode(fd_)) {
        close();
        // A file made only to be refused is not left behind.
        if (created) {
            ::unlink(file.c_str());
        }
        return makeError(ErrorCode::unwritable, pathText(file));
    }
    return {};
}

Result<std::string> FileHandle::readAll() {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        return makeError(ErrorCode::unreadable, pathText(path_));
    }
    return readAt(0, static_cast<std::size_t>(info.st_size));
}

Result<std::string> FileHandle::readAt(std::uint64_t offset, std::size_t length) {
    std::string bytes(length, '\0');
    std::size_t done = 0;
    while (done < length) {
        const auto got =
            ::pread(fd_, bytes.data() + done, length - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return makeError(ErrorCode::unreadable, pathText(path_));
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

Result<void> FileHandle::writeAt(std::uint64_t offset, std::string_view bytes) {
    if (file_faults::nextCallFails()) {
        return makeError(ErrorCode::unwritable, pathText(path_));
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto put = ::pwrite(fd_, bytes.data() + done, bytes.size() - done,
                                  static_cast<off_t>(offset + done));
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return makeError(ErrorCode::unwritable, pathText(path_));
        }
        done += static_cast<std::size_t>(put);
    }
    return {};
}

Result<void> FileHandle::flush() {
    if (file_faults::nextCallFails() || ::fsync(fd_) != 0) {
        return makeError(ErrorCode::unwritable, pathText(path_));
    }
    return {};
}

Result<void> FileHandle::truncate(std::uint64_t size) {
    if (file_faults::nextCallFails() || ::ftruncate(fd_, static_cast<off_t>(size)) != 0) {
        return makeError(ErrorCode::unwritable, pathText(path_));
    }
    return {};
}

void FileHandle::close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

Result<void> renameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (file_faults::nextCallFails() || ::rename(from.c_str(), to.c_str()) != 0) {
        return makeError(ErrorCode::unwritable, pathText(to));
    }
    return {};
}

Result<void> syncFolder(const std::filesystem::path& folder) {
    if (file_faults::nextCallFails()) {
        return makeError(ErrorCode::unwritable, pathText(folder));
    }
    const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir < 0) {
        // A folder we may not read cannot be synced by anyone: the rename stands as it is.
        return {};
    }
    const bool synced = ::fsync(dir) == 0 || errno == EINVAL || errno == ENOTSUP;
    ::close(dir);
    if (!synced) {
        return makeError(ErrorCode::unwritable, pathText(folder));
    }
    return {};
}

bool fileIsWritable(const std::filesystem::path& file) {
    struct stat info {};
    return ::access(file.c_str(), W_OK) == 0 && ::stat(file.c_str(), &info) == 0 &&
           (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

} // namespace marunda

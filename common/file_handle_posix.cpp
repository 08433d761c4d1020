#ifndef _WIN32

#include "common/file_handle.h"

#include "common/file_faults.h"
#include "common/file_name.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace marunda {

Result<void> FileHandle::open(const std::filesystem::path& file, Mode mode) {
    close();
    path_ = file;
    const int flags = mode == Mode::read        ? O_RDONLY
                      : mode == Mode::readWrite ? O_RDWR | O_CREAT
                                                : O_WRONLY | O_CREAT | O_TRUNC;
    const bool refused = mode != Mode::read && file_faults::nextCallFails();
    fd_ = refused ? -1 : ::open(file.c_str(), flags | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        const auto code = errno == ENOENT && mode == Mode::read ? ErrorCode::notFound
                          : mode == Mode::read                  ? ErrorCode::unreadable
                                                                : ErrorCode::unwritable;
        return makeError(code, pathText(file));
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

Result<void> atomicRename(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (file_faults::nextCallFails() || ::rename(from.c_str(), to.c_str()) != 0) {
        return makeError(ErrorCode::unwritable, pathText(to));
    }
    // The rename lives in the folder: sync it too, or a crash may bring back the old name.
    auto folder = to.parent_path();
    const bool refused = file_faults::nextCallFails();
    const int dir =
        refused ? -1 : ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

} // namespace marunda

#endif

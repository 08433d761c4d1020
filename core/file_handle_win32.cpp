#include "core/file_handle.h"

#include "core/file_faults.h"
#include "core/file_name.h"

#include <windows.h>

#include <algorithm>

namespace marunda {
namespace {

bool readOnly(const std::filesystem::path& file) {
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

} // namespace

Result<void> FileHandle::open(const std::filesystem::path& file, Mode mode) {
    close();
    path_ = file;
    const DWORD access = mode == Mode::read        ? GENERIC_READ
                         : mode == Mode::readWrite ? GENERIC_READ | GENERIC_WRITE
                                                   : GENERIC_WRITE;
    const DWORD disposition = mode == Mode::read        ? OPEN_EXISTING
                              : mode == Mode::readWrite ? OPEN_ALWAYS
                              : mode == Mode::createNew ? CREATE_NEW
                                                        : CREATE_ALWAYS;
    // A read-only file is refused for writing, for an administrator too.
    const bool refused = mode != Mode::read && (file_faults::nextCallFails() || readOnly(file));
    HANDLE h = refused ? INVALID_HANDLE_VALUE
                       : ::CreateFileW(file.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD err = refused ? ERROR_WRITE_FAULT : ::GetLastError();
        const bool missing = err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND;
        const auto code = missing && mode == Mode::read ? ErrorCode::notFound
                          : mode == Mode::read          ? ErrorCode::unreadable
                                                        : ErrorCode::unwritable;
        return makeError(code, pathText(file));
    }
    handle_ = h;
    return {};
}

Result<std::string> FileHandle::readAll() {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(static_cast<HANDLE>(handle_), &size)) {
        return makeError(ErrorCode::unreadable, pathText(path_));
    }
    return readAt(0, static_cast<std::size_t>(size.QuadPart));
}

Result<std::string> FileHandle::readAt(std::uint64_t offset, std::size_t length) {
    std::string bytes(length, '\0');
    std::size_t done = 0;
    while (done < length) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>((offset + done) & 0xFFFFFFFFu);
        at.OffsetHigh = static_cast<DWORD>((offset + done) >> 32);
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(length - done, 1u << 30));
        DWORD got = 0;
        if (!::ReadFile(static_cast<HANDLE>(handle_), bytes.data() + done, chunk, &got, &at)) {
            if (::GetLastError() == ERROR_HANDLE_EOF) {
                break;
            }
            return makeError(ErrorCode::unreadable, pathText(path_));
        }
        if (got == 0) {
            break;
        }
        done += got;
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
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>((offset + done) & 0xFFFFFFFFu);
        at.OffsetHigh = static_cast<DWORD>((offset + done) >> 32);
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD put = 0;
        if (!::WriteFile(static_cast<HANDLE>(handle_), bytes.data() + done, chunk, &put, &at) ||
            put == 0) {
            return makeError(ErrorCode::unwritable, pathText(path_));
        }
        done += put;
    }
    return {};
}

Result<void> FileHandle::flush() {
    if (file_faults::nextCallFails() || !::FlushFileBuffers(static_cast<HANDLE>(handle_))) {
        return makeError(ErrorCode::unwritable, pathText(path_));
    }
    return {};
}

Result<void> FileHandle::truncate(std::uint64_t size) {
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = static_cast<LONGLONG>(size);
    if (file_faults::nextCallFails() ||
        !::SetFileInformationByHandle(static_cast<HANDLE>(handle_), FileEndOfFileInfo, &end,
                                      sizeof end)) {
        return makeError(ErrorCode::unwritable, pathText(path_));
    }
    return {};
}

void FileHandle::close() {
    if (handle_) {
        ::CloseHandle(static_cast<HANDLE>(handle_));
        handle_ = nullptr;
    }
}

Result<void> renameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (file_faults::nextCallFails() ||
        !::MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return makeError(ErrorCode::unwritable, pathText(to));
    }
    return {};
}

Result<void> syncFolder(const std::filesystem::path& folder) {
    // MOVEFILE_WRITE_THROUGH has already made the rename durable.
    if (file_faults::nextCallFails()) {
        return makeError(ErrorCode::unwritable, pathText(folder));
    }
    return {};
}

bool fileIsWritable(const std::filesystem::path& file) {
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_READONLY);
}

} // namespace marunda

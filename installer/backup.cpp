#include "installer/backup.h"

#include "common/cp1254.h"
#include "common/file_faults.h"
#include "common/file_handle.h"
#include "common/file_io.h"
#include "common/file_name.h"
#include "installer/utf8_path.h"
#include "platform/platform.h"

#include <array>
#include <chrono>
#include <ctime>
#include <string_view>
#include <system_error>

namespace marunda::installer {
namespace fs = std::filesystem;

namespace {

// The book's data files, which the backup saves beside its read-me.
constexpr std::array<std::string_view, 3> kDataFiles{"telefon.dat", "bilgi.dat", "data.dat"};

// As fs::status; counted as a file call, so that a failing read is tried too.
fs::file_status statusOf(const fs::path& file, std::error_code& error) {
    if (file_faults::nextCallFails()) {
        error = std::make_error_code(std::errc::io_error);
        return fs::file_status();
    }
    return fs::status(file, error);
}

// The permissions a copy of the book's file gets: the file's own, so that a private book stays
// private, without the set-id and sticky bits that a data file has no use for. When they cannot
// be read, owner only: a copy is never more open than its book.
fs::perms copyPermissions(const fs::path& source) {
    std::error_code error;
    const auto status = statusOf(source, error);
    if (error || status.permissions() == fs::perms::unknown) {
        return fs::perms::owner_read | fs::perms::owner_write;
    }
    return status.permissions() & fs::perms::all;
}

Result<void> setPermissions(const fs::path& file, fs::perms permissions) {
    std::error_code error;
    if (file_faults::nextCallFails()) {
        return makeError(ErrorCode::unwritable, pathText(file));
    }
    fs::permissions(file, permissions, error);
    return error ? Result<void>(makeError(ErrorCode::unwritable, pathText(file))) : Result<void>();
}

// The copy's permissions are set before its bytes go in (the replacement keeps those of the file
// it replaces), so that it is never more open than the book, not even for a moment; the owner
// may write it until it is complete.
Result<void> writeCopy(const fs::path& destination, std::string_view bytes, fs::perms permissions) {
    if (auto narrowed = setPermissions(destination, permissions | fs::perms::owner_write);
        !narrowed) {
        return narrowed;
    }
    if (auto written = replaceFile(destination, bytes); !written) {
        return written;
    }
    return setPermissions(destination, permissions);
}

Result<void> copyDataFile(const fs::path& source, const fs::path& destination) {
    const auto permissions = copyPermissions(source);
    auto bytes = readFile(source);
    if (!bytes) {
        return bytes.error();
    }
    auto exists = fileExists(destination);
    if (!exists) {
        return exists.error();
    }
    if (!exists.value()) {
        if (auto made = touchFile(destination); !made) {
            return made;
        }
    }
    auto copied = writeCopy(destination, bytes.value(), permissions);
    if (!copied && !exists.value()) {
        (void)removeFile(destination); // the empty file made above
    }
    return copied;
}

// Whether saving the book would write over a copy in the backup that holds other bytes. A copy
// that cannot be read is left for the copying to report; an empty one (an interrupted backup's)
// holds nothing to keep.
bool overwritesAnotherBook(const fs::path& book, const fs::path& backup) {
    for (const std::string_view name : kDataFiles) {
        auto saved = readFile(backup / name);
        if (!saved || saved.value().empty()) {
            continue;
        }
        auto current = readFile(book / name);
        if (current && current.value() != saved.value()) {
            return true;
        }
    }
    return false;
}

// "2026-12-09 14.03": when the backup's newest data file was written, in local time.
std::string backupDate(const fs::path& backup) {
    auto newest = fs::file_time_type::min();
    for (const std::string_view name : kDataFiles) {
        std::error_code error;
        const auto written = fs::last_write_time(backup / name, error);
        if (!error && written > newest) {
            newest = written;
        }
    }
    if (newest == fs::file_time_type::min()) {
        newest = fs::file_time_type::clock::now();
    }
    const auto time = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(
            std::chrono::file_clock::to_sys(newest)));
    char text[32] = {};
    if (const std::tm* local = std::localtime(&time)) {
        std::strftime(text, sizeof text, "%Y-%m-%d %H.%M", local);
    }
    return text;
}

// Moves an earlier backup aside, beside it under its date; the name it now has (UTF-8).
Result<std::string> keepAside(const fs::path& backup) {
    const std::string dated = std::string(kBackupFolder) + " (" + backupDate(backup) + ")";
    for (int n = 1; n < 100; ++n) {
        const std::string name = n == 1 ? dated : dated + " (" + std::to_string(n) + ")";
        const fs::path aside = backup.parent_path() / pathFromUtf8(name);
        std::error_code error;
        if (fs::exists(aside, error) || error) {
            continue;
        }
        if (file_faults::nextCallFails()) {
            return makeError(ErrorCode::unwritable, pathText(backup));
        }
        fs::rename(backup, aside, error);
        if (error || !syncFolder(backup.parent_path())) {
            return makeError(ErrorCode::unwritable, pathText(backup));
        }
        return name;
    }
    return makeError(ErrorCode::unwritable, pathText(backup));
}

} // namespace

Result<std::string> backUpBook(const fs::path& folder) {
    auto desktop = platform::desktopFolder();
    if (!desktop) {
        return desktop.error();
    }
    const fs::path backup = desktop.value() / pathFromUtf8(kBackupFolder);
    std::string earlier;
    if (overwritesAnotherBook(folder, backup)) {
        auto kept = keepAside(backup);
        if (!kept) {
            return kept.error();
        }
        earlier = kept.value();
    }
    std::error_code error;
    fs::create_directories(backup, error);
    if (error || !fs::is_directory(backup, error)) {
        return makeError(ErrorCode::unwritable, pathText(backup));
    }
    // What an interrupted earlier backup left would stay on the user's desktop.
    removeLeftoverTemporaries(backup, kDataFiles);
    removeLeftoverTemporaries(backup, std::array{kReadMe});
    for (const std::string_view name : kDataFiles) {
        auto exists = fileExists(folder / name);
        if (!exists) {
            return exists.error();
        }
        if (exists.value()) {
            if (auto copied = copyDataFile(folder / name, backup / name); !copied) {
                return makeError(copied.error().code, pathText(folder / name));
            }
        }
    }
    const fs::path readMe = backup / pathFromUtf8(kReadMe);
    if (!replaceFile(readMe, encodeCp1254(kReadMeLine) + "\r\n")) {
        return makeError(ErrorCode::unwritable, pathText(readMe));
    }
    return earlier;
}

} // namespace marunda::installer

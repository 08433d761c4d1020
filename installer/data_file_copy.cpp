#include "installer/data_file_copy.h"

#include "core/file_faults.h"
#include "core/file_io.h"
#include "core/file_name.h"

#include <string_view>
#include <system_error>

namespace marunda::installer {
namespace fs = std::filesystem;

namespace {

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

} // namespace

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

} // namespace marunda::installer

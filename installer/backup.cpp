#include "installer/backup.h"

#include "common/cp1254.h"
#include "common/file_io.h"
#include "common/file_name.h"
#include "installer/utf8_path.h"
#include "platform/platform.h"

#include <array>
#include <string_view>
#include <system_error>

namespace marunda::installer {
namespace fs = std::filesystem;

namespace {

// The book's data files, which the backup saves beside its read-me.
constexpr std::array<std::string_view, 3> kDataFiles{"telefon.dat", "bilgi.dat", "data.dat"};

// A copy that keeps the data file's permissions: a private book stays private.
Result<void> copyDataFile(const fs::path& source, const fs::path& destination) {
    auto bytes = readFile(source);
    if (!bytes) {
        return bytes.error();
    }
    if (auto written = replaceFile(destination, bytes.value()); !written) {
        return written.error();
    }
    std::error_code error;
    fs::permissions(destination, fs::status(source, error).permissions(), error);
    return {};
}

} // namespace

Result<void> backUpBook(const fs::path& folder) {
    auto desktop = platform::desktopFolder();
    if (!desktop) {
        return desktop.error();
    }
    const fs::path backup = desktop.value() / pathFromUtf8(kBackupFolder);
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
    return {};
}

} // namespace marunda::installer

#include "installer/backup.h"

#include "core/cp1254.h"
#include "core/file_io.h"
#include "core/file_name.h"
#include "installer/data_file_copy.h"
#include "installer/earlier_backup.h"
#include "platform/platform.h"

#include <array>
#include <string_view>
#include <system_error>

namespace marunda::installer {
namespace fs = std::filesystem;

Result<std::string> backUpBook(const fs::path& folder) {
    auto desktop = platform::desktopFolder();
    if (!desktop) {
        return desktop.error();
    }
    const fs::path backup = desktop.value() / pathFromText(kBackupFolder);
    auto earlier = keepEarlierBackup(folder, backup);
    if (!earlier) {
        return earlier.error();
    }
    std::error_code error;
    fs::create_directories(backup, error);
    if (error || !fs::is_directory(backup, error)) {
        return makeError(ErrorCode::unwritable, pathText(backup));
    }
    // What an interrupted earlier backup left would stay on the user's desktop.
    removeLeftoverTemporaries(backup, kBackedUpFiles);
    removeLeftoverTemporaries(backup, std::array{kReadMe});
    for (const std::string_view name : kBackedUpFiles) {
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
    const fs::path readMe = backup / pathFromText(kReadMe);
    if (!replaceFile(readMe, encodeCp1254(kReadMeLine) + "\r\n")) {
        return makeError(ErrorCode::unwritable, pathText(readMe));
    }
    return earlier.value();
}

} // namespace marunda::installer

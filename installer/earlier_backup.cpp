#include "installer/earlier_backup.h"

#include "core/file_faults.h"
#include "core/file_handle.h"
#include "core/file_io.h"
#include "core/file_name.h"
#include "installer/backup.h"

#include <chrono>
#include <ctime>
#include <string_view>
#include <system_error>

namespace marunda::installer {
namespace fs = std::filesystem;

namespace {

// Whether saving the book would write over a copy in the backup that holds other bytes. A copy
// that cannot be read is left for the copying to report; an empty one (an interrupted backup's)
// holds nothing to keep.
bool overwritesAnotherBook(const fs::path& book, const fs::path& backup) {
    for (const std::string_view name : kBackedUpFiles) {
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
    for (const std::string_view name : kBackedUpFiles) {
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
        const fs::path aside = backup.parent_path() / pathFromText(name);
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

Result<std::string> keepEarlierBackup(const fs::path& book, const fs::path& backup) {
    if (!overwritesAnotherBook(book, backup)) {
        return std::string();
    }
    return keepAside(backup);
}

} // namespace marunda::installer

#include "core/file_name.h"
#include "platform/platform.h"
#include "platform/win32/known_folders.h"
#include "platform/win32/shell_link.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <knownfolders.h>

// A program group is a folder of the Start menu's programs with one shell link per item.
namespace marunda::platform {

namespace {

std::filesystem::path utf8Path(std::string_view text) {
    return std::filesystem::path(win32::wide(text));
}

Result<std::filesystem::path> groupFolder(std::string_view group,
                                          const std::vector<Shortcut>& items) {
    if (!win32::plainFileName(group)) {
        return makeError(ErrorCode::badFormat, "group " + std::string(group));
    }
    for (const Shortcut& item : items) {
        if (!win32::plainFileName(item.caption)) {
            return makeError(ErrorCode::badFormat, "item " + item.caption);
        }
    }
    auto programs = win32::knownFolder(FOLDERID_Programs, "programs folder");
    if (!programs) {
        return programs.error();
    }
    return programs.value() / utf8Path(group);
}

std::filesystem::path linkFile(const std::filesystem::path& folder, const Shortcut& item) {
    return folder / utf8Path(item.caption + ".lnk");
}

} // namespace

Result<void> createProgramGroup(std::string_view group, const std::vector<Shortcut>& items) {
    auto folder = groupFolder(group, items);
    if (!folder) {
        return folder.error();
    }
    std::error_code error;
    std::filesystem::create_directories(folder.value(), error);
    if (error) {
        return makeError(ErrorCode::unwritable, pathText(folder.value()) + ": " + error.message());
    }
    for (const Shortcut& item : items) {
        if (auto written = win32::writeShellLink(linkFile(folder.value(), item), item); !written) {
            return written;
        }
    }
    return {};
}

Result<void> removeProgramGroup(std::string_view group, const std::vector<Shortcut>& items) {
    auto folder = groupFolder(group, items);
    if (!folder) {
        return folder.error();
    }
    for (const Shortcut& item : items) {
        const auto file = linkFile(folder.value(), item);
        win32::removeLeftoverLink(file);
        if (!DeleteFileW(file.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND &&
            GetLastError() != ERROR_PATH_NOT_FOUND) {
            return win32::systemError(ErrorCode::unwritable, pathText(file), GetLastError());
        }
    }
    // The folder goes only when nothing of anyone else is left in it.
    RemoveDirectoryW(folder.value().c_str());
    return {};
}

} // namespace marunda::platform

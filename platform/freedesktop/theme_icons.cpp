#include "core/file_io.h"
#include "platform/freedesktop/desktop_entry.h"
#include "platform/freedesktop/xdg_folders.h"
#include "platform/platform.h"
#include "platform/program_files.h"

#include <system_error>

// A program's icon lies in the user's part of the hicolor theme, the theme every desktop falls
// back to, one picture per size: <data home>/icons/hicolor/<N>x<N>/apps/<name>.png.
namespace marunda::platform {
namespace fs = std::filesystem;

namespace {

fs::path iconsFolder() {
    return xdg::dataHome() / "icons";
}

fs::path sizeFolder(int size) {
    const std::string square = std::to_string(size) + "x" + std::to_string(size);
    return iconsFolder() / "hicolor" / square / "apps";
}

fs::path pictureFile(std::string_view name, int size) {
    return sizeFolder(size) / (std::string(name) + ".png");
}

Result<void> checkedName(std::string_view name) {
    if (!freedesktop::plainName(name)) {
        return makeError(ErrorCode::badFormat, "icon " + std::string(name));
    }
    return {};
}

// From `folder` up to the icons folder, each that is empty now; the first that holds anything
// (another program's icons) stops it.
void removeEmptiedFolders(fs::path folder) {
    const fs::path top = iconsFolder();
    for (; folder != top.parent_path(); folder = folder.parent_path()) {
        std::error_code error;
        if (!fs::is_empty(folder, error) || error || !fs::remove(folder, error)) {
            return;
        }
    }
}

} // namespace

Result<void> installIcon(std::string_view name, const std::vector<IconPicture>& pictures) {
    if (auto checked = checkedName(name); !checked) {
        return checked;
    }
    for (const IconPicture& picture : pictures) {
        auto bytes = readFile(picture.file);
        if (!bytes) {
            return bytes.error();
        }
        if (auto written =
                freedesktop::writeEntryFile(pictureFile(name, picture.size), bytes.value());
            !written) {
            return written;
        }
    }
    return {};
}

Result<void> removeIcon(std::string_view name) {
    if (auto checked = checkedName(name); !checked) {
        return checked;
    }
    // Each is tried, so that as little as possible stays; the first failure is the answer.
    Result<void> result;
    for (const int size : kThemeIconSizes) {
        if (auto removed = freedesktop::removeEntryFile(pictureFile(name, size));
            !removed && result) {
            result = removed;
        }
        removeEmptiedFolders(sizeFolder(size));
    }
    return result;
}

} // namespace marunda::platform

#include "core/file_name.h"
#include "platform/platform.h"

#include <optional>
#include <system_error>

namespace marunda::platform {
namespace fs = std::filesystem;

namespace {

// The entry of `folder` that `name` names on this file system, as the folder spells it.
std::optional<fs::path> entryNamed(const fs::path& folder, const fs::path& name) {
    if (name == "." || name == "..") {
        return name;
    }
    std::error_code error;
    std::optional<fs::path> found;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path entry = it->path().filename();
        if (entry == name) {
            return entry;
        }
        if (!found && sameFileName(entry, name)) {
            found = entry;
        }
    }
    return found;
}

// "c:" as the system lists its drives: "C:".
fs::path driveInCapitals(const fs::path& rootName) {
    auto name = rootName.native();
    if (name.size() == 2 && name[1] == ':' && name[0] >= 'a' && name[0] <= 'z') {
        name[0] = static_cast<fs::path::value_type>(name[0] - 'a' + 'A');
    }
    return name;
}

} // namespace

fs::path storedSpelling(const fs::path& path) {
    if (!fileNamesIgnoreCase()) {
        return path;
    }
    fs::path spelled = driveInCapitals(path.root_name()) / path.root_directory();
    bool onDisk = true;
    for (const fs::path& part : path.relative_path()) {
        std::optional<fs::path> entry = onDisk ? entryNamed(spelled, part) : std::nullopt;
        onDisk = entry.has_value();
        spelled /= entry.value_or(part);
    }
    return spelled;
}

} // namespace marunda::platform

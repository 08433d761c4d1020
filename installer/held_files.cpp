#include "installer/held_files.h"

#include "installer/medium.h"
#include "installer/shortcuts.h"
#include "platform/platform.h"

namespace marunda::installer {
namespace fs = std::filesystem;

std::optional<std::string> firstHeldFile(const fs::path& folder) {
    for (const auto& file : installedFiles()) {
        if (!platform::deletable(folder / file.destination)) {
            return file.destination;
        }
    }
    for (const auto& name : bookFiles()) {
        if (!platform::deletable(folder / name)) {
            return name;
        }
    }
    return std::nullopt;
}

std::string programOfFile(std::string_view name) {
    for (const auto& item : groupItems({}, {})) {
        if (item.target.filename() == fs::path(name)) {
            return item.caption;
        }
    }
    return {};
}

} // namespace marunda::installer

#include "installer/file_copy.h"

#include "core/file_io.h"
#include "core/file_name.h"

#include <map>
#include <string_view>
#include <system_error>
#include <vector>

namespace marunda::installer {
namespace fs = std::filesystem;

Result<void> copyReplacing(const fs::path& source, const fs::path& destination, bool program) {
    auto bytes = readFile(source);
    if (!bytes) {
        return bytes.error();
    }
    if (auto written = replaceFile(destination, bytes.value()); !written) {
        return written.error();
    }
    if (program) {
        std::error_code error;
        fs::permissions(destination,
                        fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                        fs::perm_options::add, error);
        if (error) {
            return makeError(ErrorCode::unwritable, pathText(destination));
        }
    }
    return {};
}

void removeLeftoverCopies(const fs::path& folder, std::span<const std::string> names) {
    std::map<fs::path, std::vector<std::string>> bySubfolder;
    for (const auto& name : names) {
        const fs::path relative = fs::path(name).make_preferred();
        bySubfolder[relative.parent_path()].push_back(pathText(relative.filename()));
    }
    for (const auto& [subfolder, files] : bySubfolder) {
        const std::vector<std::string_view> views(files.begin(), files.end());
        removeLeftoverTemporaries(folder / subfolder, views);
    }
}

} // namespace marunda::installer

#include "converter/installation_log.h"

#include "core/cp1254.h"
#include "core/delimited_text.h"
#include "core/file_io.h"
#include "core/file_name.h"

#include <string>

namespace marunda::converter {

Result<std::filesystem::path> readInstalledFolder(const std::filesystem::path& windowsFolder) {
    auto bytes = readFile(windowsFolder / kLog16);
    if (!bytes) {
        return bytes.error();
    }
    // Read as the 1.7 log is: a folder with a comma in it is one folder.
    const auto folder = logFolderItem(bytes.value());
    if (folder.empty()) {
        return makeError(ErrorCode::badFormat, std::string(kLog16));
    }
    // The log is code page 1254 text; a path from UTF-8 means the same on every system.
    const auto utf8 = decodeCp1254(folder);
    return pathFromText(utf8);
}

Result<void> removeInstallationLog(const std::filesystem::path& windowsFolder) {
    return removeFile(windowsFolder / kLog16);
}

} // namespace marunda::converter

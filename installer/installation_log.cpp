#include "installer/installation_log.h"

#include "core/cp1254.h"
#include "core/delimited_text.h"
#include "core/file_io.h"

namespace marunda::installer {

bool loggableFolder(std::string_view folder) {
    return !folder.empty() && fitsCp1254(folder) &&
           folder.find_first_of("\"\r\n") == std::string_view::npos;
}

Result<void> writeInstallationLog(const std::filesystem::path& windowsFolder,
                                  std::string_view folder) {
    if (!loggableFolder(folder)) {
        return makeError(ErrorCode::badFormat, std::string(folder));
    }
    // A failure must leave the old log: the installation it names is still there.
    auto written = replaceFileKeepingOld(windowsFolder / kLog17,
                                         delimitedLine({quotedItem(encodeCp1254(folder))}));
    if (written) {
        const std::string_view names[] = {kLog17};
        removeLeftoverTemporaries(windowsFolder, names); // of an interrupted earlier write
    }
    return written;
}

Result<std::string> readInstallationLog(const std::filesystem::path& windowsFolder) {
    auto bytes = readFile(windowsFolder / kLog17);
    if (!bytes) {
        return bytes.error();
    }
    const auto folder = logFolderItem(bytes.value());
    if (folder.empty()) {
        return makeError(ErrorCode::badFormat, std::string(kLog17));
    }
    return decodeCp1254(folder);
}

Result<void> removeInstallationLog(const std::filesystem::path& windowsFolder) {
    const std::string_view names[] = {kLog17};
    removeLeftoverTemporaries(windowsFolder, names);
    return removeFile(windowsFolder / kLog17);
}

} // namespace marunda::installer

#include "installer/installation_log.h"

#include "common/cp1254.h"
#include "common/delimited_text.h"
#include "common/file_io.h"

#include <algorithm>

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

namespace {

std::string_view firstLine(std::string_view text) {
    return text.substr(0, std::min(text.find_first_of("\r\n"), text.size()));
}

std::string_view withoutLeadingBlanks(std::string_view text) {
    const auto start = text.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view{} : text.substr(start);
}

} // namespace

Result<std::string> readInstallationLog(const std::filesystem::path& windowsFolder) {
    auto bytes = readFile(windowsFolder / kLog17);
    if (!bytes) {
        return bytes.error();
    }
    const std::string_view line = withoutLeadingBlanks(firstLine(bytes.value()));
    std::string folder;
    if (line.starts_with('"')) {
        const auto items = readDelimitedItems(line, 1);
        folder = items.empty() ? std::string{} : items[0].text;
    } else {
        folder = std::string(line.substr(0, line.find_last_not_of(" \t") + 1));
    }
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

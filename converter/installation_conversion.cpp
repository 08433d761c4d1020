#include "converter/installation_conversion.h"

#include "converter/installation_log.h"
#include "core/file_io.h"
#include "core/record_store.h"

#include <system_error>

namespace marunda::converter {
namespace fs = std::filesystem;

namespace {

bool holdsPreviousFormat(const fs::path& folder) {
    auto bilgi = readFile(folder / kCounterFile);
    return bilgi && isPreviousFormatCounter(bilgi.value());
}

} // namespace

Result<Outcome> convertInstallation(const fs::path& windowsFolder, const Progress& progress,
                                    const fs::path& ownFolder) {
    auto folder = readInstalledFolder(windowsFolder);
    std::error_code ec;
    const bool named = folder && fs::is_directory(folder.value(), ec);
    if (!named && !ownFolder.empty() && holdsPreviousFormat(ownFolder)) {
        return convertBook(ownFolder, progress);
    }
    if (!folder) {
        return folder.error();
    }
    return convertBook(folder.value(), progress);
}

bool installerConversionPending(const fs::path& windowsFolder) {
    auto folder = readInstalledFolder(windowsFolder);
    if (!folder) {
        return false;
    }
    auto inspection = inspectBook(folder.value());
    return inspection && inspection.value().need != BookNeed::nothing;
}

void convertForInstaller(const fs::path& windowsFolder) {
    if (convertInstallation(windowsFolder)) {
        (void)removeInstallationLog(windowsFolder);
    }
}

} // namespace marunda::converter

#include "converter/installation_conversion.h"

#include "converter/installation_log.h"

namespace marunda::converter {
namespace fs = std::filesystem;

Result<Outcome> convertInstallation(const fs::path& windowsFolder, const Progress& progress) {
    auto folder = readInstalledFolder(windowsFolder);
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

#include "kur/zilora_ending.h"

#include "installer/installation_log.h"
#include "kur/texts.h"
#include "platform/platform.h"
#include "zilora/instance_channel.h"

namespace marunda::kur {

void endZilora(const QString& folder) {
    if (!folder.isEmpty()) {
        zilora::endRunningZilora(folder, kZiloraEndMs);
    }
}

void endInstalledZilora() {
    const auto windows = platform::windowsFolder();
    if (!windows) {
        return;
    }
    if (const auto folder = installer::readInstallationLog(windows.value())) {
        endZilora(QString::fromStdString(folder.value()));
    }
}

} // namespace marunda::kur

#include "kur/zilora_ending.h"

#include "installer/installation_log.h"
#include "kur/texts.h"
#include "platform/platform.h"
#include "platform/program_files.h"
#include "ui/path_text.h"
#include "zilora/instance_channel.h"

#include <QDeadlineTimer>
#include <QThread>

namespace marunda::kur {
namespace {

// The channel closes while the program is still ending; its file stays in use (and on Windows
// cannot be replaced or deleted) until the process has gone.
void waitForProgramFile(const std::filesystem::path& program, QDeadlineTimer deadline) {
    while (!platform::deletable(program) && !deadline.hasExpired()) {
        QThread::msleep(20);
    }
}

} // namespace

void endZilora(const QString& folder) {
    if (folder.isEmpty()) {
        return;
    }
    const QDeadlineTimer deadline(kZiloraEndMs);
    if (zilora::endRunningZilora(folder, kZiloraEndMs) == zilora::Ending::ended) {
        waitForProgramFile(ui::pathFromQText(folder) / platform::programName(platform::kZilora),
                           deadline);
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

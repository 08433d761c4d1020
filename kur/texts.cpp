#include "kur/texts.h"

#include <QStringList>

namespace marunda::kur {

namespace {

QString stepName(installer::LaterStep step) {
    switch (step) {
    case installer::LaterStep::programIcons:
        return QStringLiteral("programların simgeleri");
    case installer::LaterStep::programGroup:
        return QStringLiteral("program menüsündeki Marunda grubu");
    case installer::LaterStep::logonEntry:
        return QStringLiteral("Selvira'nın bilgisayar açılışında başlatılması");
    case installer::LaterStep::desktopShortcut:
        return QStringLiteral("masaüstündeki Marunda kısayolu");
    case installer::LaterStep::startReminder:
        return QStringLiteral("Selvira'nın şimdi başlatılması");
    case installer::LaterStep::installationLog:
        return QStringLiteral("kurulum bilgisi dosyasının silinmesi");
    case installer::LaterStep::installationFolder:
        return QStringLiteral("kurulum dizininin silinmesi");
    }
    return {};
}

} // namespace

QString failedStepsText(const std::vector<installer::LaterStep>& failed) {
    if (failed.empty()) {
        return {};
    }
    QStringList names;
    for (const auto step : failed) {
        names.append(stepName(step));
    }
    return QStringLiteral("Ancak şu işlemler yapılamadı: %1.")
        .arg(names.join(QStringLiteral(", ")));
}

} // namespace marunda::kur

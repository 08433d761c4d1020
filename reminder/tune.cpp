#include "reminder/tune.h"

#include "platform/platform.h"

#include <QSoundEffect>
#include <QUrl>

namespace marunda::zilora {

QSoundEffect* playTune(const std::filesystem::path& folder, QObject* parent) {
    const auto file = platform::findSibling(folder, "Zilora.wav");
    if (!file) {
        return nullptr;
    }
    auto* tune = new QSoundEffect(parent);
    tune->setObjectName(QStringLiteral("tune"));
    tune->setSource(QUrl::fromLocalFile(QString::fromStdU16String(file->u16string())));
    tune->play();
    return tune;
}

} // namespace marunda::zilora

#include "zilora/tune.h"

#include "platform/platform.h"

#include <QSoundEffect>
#include <QUrl>

namespace marunda::zilora {

std::optional<std::filesystem::path> playTune(const std::filesystem::path& folder,
                                              QObject* parent) {
    auto file = platform::findSibling(folder, "Zilora.wav");
    if (!file) {
        return std::nullopt;
    }
    auto* tune = new QSoundEffect(parent);
    tune->setObjectName(QStringLiteral("tune"));
    tune->setSource(QUrl::fromLocalFile(QString::fromStdU16String(file->u16string())));
    tune->play();
    return file;
}

} // namespace marunda::zilora

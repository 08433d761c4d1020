#include "zilora/tune.h"

#include "platform/platform.h"
#include "platform/program_files.h"
#include "ui/path_text.h"

#include <QSoundEffect>
#include <QUrl>

namespace marunda::zilora {

std::optional<std::filesystem::path> playTune(const std::filesystem::path& folder,
                                              QObject* parent) {
    auto file = platform::findSibling(folder, platform::kTuneFile);
    if (!file) {
        return std::nullopt;
    }
    auto* tune = new QSoundEffect(parent);
    tune->setObjectName(QStringLiteral("tune"));
    tune->setSource(QUrl::fromLocalFile(ui::pathQText(*file)));
    tune->play();
    return file;
}

} // namespace marunda::zilora

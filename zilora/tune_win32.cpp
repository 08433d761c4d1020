#include "zilora/tune.h"

#include "platform/platform.h"
#include "platform/program_files.h"
#include "platform/win32/sound.h"

#include <QObject>

namespace marunda::zilora {
namespace {

// Ends the tune with its window, as the player does that is the window's child elsewhere.
class TuneEnd : public QObject {
public:
    using QObject::QObject;
    ~TuneEnd() override { platform::stopSound(); }
};

} // namespace

// Qt for Windows comes without Qt Multimedia here: the system plays the tune.
std::optional<std::filesystem::path> playTune(const std::filesystem::path& folder,
                                              QObject* parent) {
    auto file = platform::findSibling(folder, platform::kTuneFile);
    if (file && platform::playSound(*file)) {
        new TuneEnd(parent);
    }
    return file;
}

} // namespace marunda::zilora

#pragma once

#include <filesystem>

class QObject;
class QSoundEffect;

namespace marunda::zilora {

// Starts Zilora.wav from `folder` (its name in any case) once, without waiting for it. A missing
// file plays nothing and one that cannot be played stays silent: neither is reported.
QSoundEffect* playTune(const std::filesystem::path& folder, QObject* parent);

} // namespace marunda::zilora

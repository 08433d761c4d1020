#pragma once

#include <filesystem>
#include <optional>

class QObject;

namespace marunda::zilora {

// Starts Zilora.wav from `folder` (its name in any case) once, without waiting for it, and gives
// the file started. A missing file plays nothing (nullopt) and one that cannot be played stays
// silent: neither is reported. The tune ends at the latest with `parent`; where Qt plays it, the
// player is the child "tune" of `parent`.
std::optional<std::filesystem::path> playTune(const std::filesystem::path& folder, QObject* parent);

} // namespace marunda::zilora

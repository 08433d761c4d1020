#pragma once

#include "core/result.h"

#include <filesystem>

// Windows plays a program's sounds itself; elsewhere the programs play them through Qt.
namespace marunda::platform {

// Starts playing the WAV file once and returns at once, without waiting for its end.
Result<void> playSound(const std::filesystem::path& file);
// Ends the sound that playSound started, if it still plays; the file is open until then.
void stopSound();

} // namespace marunda::platform

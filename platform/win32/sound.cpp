#include "platform/win32/sound.h"
#include "core/file_name.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <mmsystem.h>

namespace marunda::platform {

Result<void> playSound(const std::filesystem::path& file) {
    // No system sound in its place when the file cannot be played.
    if (!PlaySoundW(file.c_str(), nullptr, SND_ASYNC | SND_FILENAME | SND_NODEFAULT)) {
        return win32::systemError(ErrorCode::unreadable, pathText(file), GetLastError());
    }
    return {};
}

void stopSound() {
    PlaySoundW(nullptr, nullptr, 0);
}

} // namespace marunda::platform

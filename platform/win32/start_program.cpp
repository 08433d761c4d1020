#include "core/file_name.h"
#include "platform/platform.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

namespace marunda::platform {

Result<void> startDetached(const std::filesystem::path& program) {
    const auto file = std::filesystem::absolute(program);
    std::wstring commandLine = L"\"" + file.wstring() + L"\""; // CreateProcessW may write to it
    const std::wstring folder = file.parent_path().wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED; // 2: minimized, with focus
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(file.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_NEW_PROCESS_GROUP | DETACHED_PROCESS, nullptr, folder.c_str(),
                        &startup, &process)) {
        return win32::systemError(ErrorCode::notFound, pathText(file), GetLastError());
    }
    // Not waited for: the handles go at once and the program lives on by itself.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {};
}

} // namespace marunda::platform

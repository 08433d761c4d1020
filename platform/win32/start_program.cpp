#include "core/file_name.h"
#include "platform/platform.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

namespace marunda::platform {
namespace {

// One argument as the C runtime's parser splits a command line: quoted when it is empty or holds
// a blank or a quote; a quote escaped, and the backslashes before it or the closing quote doubled.
std::wstring quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        return argument;
    }
    std::wstring text = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        text.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        text.push_back(c);
        backslashes = 0;
    }
    text.append(2 * backslashes, L'\\');
    return text + L"\"";
}

} // namespace

Result<void> startDetached(const std::filesystem::path& program,
                           const std::vector<std::string>& arguments) {
    const auto file = std::filesystem::absolute(program);
    std::wstring commandLine = L"\"" + file.wstring() + L"\""; // CreateProcessW may write to it
    for (const auto& argument : arguments) {
        commandLine += L" " + quoted(win32::wide(argument));
    }
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

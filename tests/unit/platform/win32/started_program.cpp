// Started by the tests: writes into its current folder how it was asked to show its window and
// its arguments as the C runtime splits them, so that the test sees it ran, in its own folder,
// minimized with focus.
#include <windows.h>

#include <shellapi.h>

#include <filesystem>
#include <fstream>

int main() {
    STARTUPINFOW info{};
    info.cb = sizeof info;
    GetStartupInfoW(&info);
    bool useShow = (info.dwFlags & STARTF_USESHOWWINDOW) != 0;
    std::ofstream report("started.txt.new", std::ios::binary);
    report << "show " << (useShow ? int(info.wShowWindow) : -1) << "\n";
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; i < count; ++i) {
        char text[1024] = {};
        WideCharToMultiByte(CP_UTF8, 0, arguments[i], -1, text, sizeof text, nullptr, nullptr);
        report << "argument [" << text << "]\n";
    }
    LocalFree(arguments);
    report.close();
    std::error_code error;
    std::filesystem::rename("started.txt.new", "started.txt", error);
    return 0;
}

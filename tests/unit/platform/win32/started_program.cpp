// Started by the tests: writes into its current folder how it was asked to show its window, so
// that the test sees it ran, in its own folder, minimized with focus.
#include <windows.h>

#include <filesystem>
#include <fstream>

int main() {
    STARTUPINFOW info{};
    info.cb = sizeof info;
    GetStartupInfoW(&info);
    bool useShow = (info.dwFlags & STARTF_USESHOWWINDOW) != 0;
    std::ofstream("started.txt.new", std::ios::binary)
        << "show " << (useShow ? int(info.wShowWindow) : -1) << "\n";
    std::error_code error;
    std::filesystem::rename("started.txt.new", "started.txt", error);
    return 0;
}

// Stands in for Telefon.exe in the tests of starting it: each start leaves a file of its own
// in its folder, so that starts that overlap are all counted, and its arguments (UTF-8, one a
// line) in "arguments.txt".
#include <windows.h>

#include <shellapi.h>

#include <filesystem>
#include <fstream>
#include <string>

int main() {
    std::ofstream("started-" + std::to_string(GetCurrentProcessId()) + ".txt") << "started\n";
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count > 1) {
        std::ofstream list("arguments.new", std::ios::binary);
        for (int i = 1; i < count; ++i) {
            char text[1024] = {};
            WideCharToMultiByte(CP_UTF8, 0, arguments[i], -1, text, sizeof text, nullptr, nullptr);
            list << text << "\n";
        }
        list.close();
        std::error_code error;
        std::filesystem::rename("arguments.new", "arguments.txt", error);
    }
    LocalFree(arguments);
    return 0;
}

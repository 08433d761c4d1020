// Stands in for Telefon.exe in the tests of starting it: each start leaves a file of its own
// in its folder, so that starts that overlap are all counted.
#include <windows.h>

#include <fstream>
#include <string>

int main() {
    std::ofstream("started-" + std::to_string(GetCurrentProcessId()) + ".txt") << "started\n";
    return 0;
}

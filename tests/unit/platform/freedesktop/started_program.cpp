// Started by the tests: writes into its current folder who its parent is, how many files it
// holds open and where its output goes, so that the test sees it ran detached, in its own
// folder, inheriting nothing.
#include <filesystem>
#include <fstream>
#include <unistd.h>

int main() {
    std::error_code error;
    int open = 0;
    for (std::filesystem::directory_iterator it("/proc/self/fd", error), end; !error && it != end;
         it.increment(error)) {
        ++open;
    }
    auto output = std::filesystem::read_symlink("/proc/self/fd/1", error);
    // The listing above held one descriptor of its own.
    std::ofstream("started.txt.new") << "parent " << getppid() << "\nopen " << open - 1
                                     << "\noutput " << output.string() << "\n";
    std::filesystem::rename("started.txt.new", "started.txt", error);
    return 0;
}

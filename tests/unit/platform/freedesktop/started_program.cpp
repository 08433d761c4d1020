// Started by the tests: writes into its current folder who its parent is, how many files it
// holds open, where its output goes and its arguments, so that the test sees it ran detached, in
// its own folder, inheriting nothing.
#include <filesystem>
#include <fstream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::error_code error;
    int open = 0;
    for (std::filesystem::directory_iterator it("/proc/self/fd", error), end; !error && it != end;
         it.increment(error)) {
        ++open;
    }
    auto output = std::filesystem::read_symlink("/proc/self/fd/1", error);
    // The listing above held one descriptor of its own.
    std::ofstream report("started.txt.new");
    report << "parent " << getppid() << "\nopen " << open - 1 << "\noutput " << output.string()
           << "\n";
    for (int i = 1; i < argc; ++i) {
        report << "argument [" << argv[i] << "]\n";
    }
    report.close();
    std::filesystem::rename("started.txt.new", "started.txt", error);
    return 0;
}

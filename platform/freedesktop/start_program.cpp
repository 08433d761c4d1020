#include "core/file_name.h"
#include "platform/platform.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/close_range.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace marunda::platform {

namespace {

[[noreturn]] void reportAndExit(int report) {
    int error = errno;
    [[maybe_unused]] auto written = write(report, &error, sizeof error);
    _exit(127);
}

// Only async-signal-safe calls between fork and exec: the caller may have threads (Qt does).
[[noreturn]] void execGrandchild(char* const argv[], const char* folder, int report) {
    if (setsid() < 0) {
        reportAndExit(report);
    }
    pid_t grandchild = fork();
    if (grandchild < 0) {
        reportAndExit(report);
    }
    if (grandchild > 0) {
        _exit(0); // the intermediate child ends at once, so the program is nobody's child
    }
    // The standard three lead nowhere, so that the program holds neither our terminal nor the
    // pipes of whoever reads our output; every other descriptor, the report pipe too, closes on
    // exec.
    int nowhere = open("/dev/null", O_RDWR);
    if (nowhere < 0) {
        reportAndExit(report);
    }
    for (int standard = 0; standard < 3; ++standard) {
        if (nowhere != standard && dup2(nowhere, standard) < 0) {
            reportAndExit(report);
        }
    }
    syscall(SYS_close_range, 3U, ~0U, CLOSE_RANGE_CLOEXEC);
    if (chdir(folder) == 0) {
        execv(argv[0], argv);
    }
    reportAndExit(report);
}

} // namespace

Result<void> startDetached(const std::filesystem::path& program,
                           const std::vector<std::string>& arguments) {
    auto fail = [&](int error) {
        return makeError(ErrorCode::notFound, pathText(program) + ": " + std::strerror(error));
    };
    const std::string file = program.string();
    const std::string folder = program.parent_path().empty() ? "." : program.parent_path().string();
    // Made before the fork: the child may not allocate.
    std::vector<char*> argv{const_cast<char*>(file.c_str())};
    for (const auto& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        return fail(errno);
    }
    pid_t child = fork();
    if (child == 0) {
        close(report[0]);
        execGrandchild(argv.data(), folder.c_str(), report[1]);
    }
    close(report[1]);
    if (child < 0) {
        close(report[0]);
        return fail(errno);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    // The pipe closes without a word when exec succeeded; otherwise it carries exec's errno.
    int error = 0;
    ssize_t got;
    while ((got = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    if (got == sizeof error) {
        return fail(error);
    }
    return {};
}

} // namespace marunda::platform

#pragma once

// Volumes that refuse (full, read-only, a folder that is a mount point), made for real in a
// child process with a mount namespace of its own, so that nothing of the machine's mounts is
// touched and everything goes when the child ends. Linux only.

#include <filesystem>
#include <functional>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ownmounts {

inline constexpr int kNotAllowed = 125;

// Runs `body` in the child; its result (0 to 124) comes back. kNotAllowed where the system lets
// no mount namespace be made (no privilege): the caller skips.
inline int inChild(const std::function<int()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        const bool own = unshare(CLONE_NEWNS) == 0 &&
                         mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        std::_Exit(own ? body() : kNotAllowed);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A fresh volume of `kib` KiB at `folder`.
inline bool smallVolume(const std::filesystem::path& folder, int kib) {
    std::filesystem::create_directories(folder);
    const std::string size = "size=" + std::to_string(kib) + "k";
    return mount("tmpfs", folder.c_str(), "tmpfs", 0, size.c_str()) == 0;
}

// `folder` becomes a mount point of itself: its files can go, the folder cannot.
inline bool ownMountPoint(const std::filesystem::path& folder) {
    return mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0;
}

// `folder` and everything under it read-only.
inline bool readOnly(const std::filesystem::path& folder) {
    return ownMountPoint(folder) &&
           mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
}

} // namespace ownmounts

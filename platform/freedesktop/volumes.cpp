#include "platform/platform.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <mntent.h>
#include <sys/statvfs.h>
#include <unistd.h>

// Volumes are the mounted file systems a user would save to; the kernel's own mounts and those
// that hold nothing are left out.
namespace marunda::platform {

namespace {

namespace fs = std::filesystem;

struct Mount {
    fs::path point;
    std::string type;
    std::string device;
};

std::vector<Mount> mounts() {
    std::vector<Mount> found;
    FILE* table = setmntent("/proc/self/mounts", "r");
    if (!table) {
        return found;
    }
    mntent entry;
    char buffer[4096];
    while (getmntent_r(table, &entry, buffer, sizeof buffer)) {
        found.push_back({entry.mnt_dir, entry.mnt_type, entry.mnt_fsname});
    }
    endmntent(table);
    return found;
}

bool within(const fs::path& folder, const fs::path& base) {
    auto [b, f] = std::mismatch(base.begin(), base.end(), folder.begin(), folder.end());
    return b == base.end();
}

bool systemMount(const Mount& mount) {
    static const fs::path systemFolders[] = {"/dev", "/proc", "/sys", "/var/run", "/var/lock"};
    return mount.type == "rootfs" ||
           std::any_of(std::begin(systemFolders), std::end(systemFolders),
                       [&](const fs::path& folder) { return within(mount.point, folder); });
}

// /dev/disk/by-label spells blanks and other bytes as \xNN.
std::string decodedLabel(const std::string& name) {
    std::string label;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name.compare(i, 2, "\\x") == 0 && i + 3 < name.size() &&
            std::isxdigit(static_cast<unsigned char>(name[i + 2])) &&
            std::isxdigit(static_cast<unsigned char>(name[i + 3]))) {
            label += char(std::stoi(name.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            label += name[i];
        }
    }
    return label;
}

std::map<fs::path, std::string> labelsByDevice() {
    std::map<fs::path, std::string> labels;
    std::error_code error;
    for (fs::directory_iterator it("/dev/disk/by-label", error), end; !error && it != end;
         it.increment(error)) {
        auto device = fs::canonical(it->path(), error);
        if (!error) {
            labels[device] = decodedLabel(it->path().filename().string());
        }
        error.clear();
    }
    return labels;
}

bool holdsNothing(const fs::path& root) {
    struct statvfs info;
    return statvfs(root.c_str(), &info) == 0 && info.f_blocks == 0;
}

} // namespace

bool volumeReady(const fs::path& root) {
    struct statvfs info;
    std::error_code error;
    return statvfs(root.c_str(), &info) == 0 && access(root.c_str(), R_OK | X_OK) == 0 &&
           fs::is_directory(root, error);
}

std::vector<Volume> volumes() {
    const auto labels = labelsByDevice();
    std::vector<Volume> found;
    for (const Mount& mount : mounts()) {
        std::error_code error;
        if (systemMount(mount) || (holdsNothing(mount.point) && mount.point != "/") ||
            !fs::is_directory(mount.point, error)) {
            continue; // a file bound into place holds no folders either
        }
        auto device = fs::canonical(mount.device, error);
        auto label = error ? labels.end() : labels.find(device);
        found.push_back({mount.point, label == labels.end() ? std::string() : label->second,
                         volumeReady(mount.point)});
    }
    // A folder mounted twice is one choice.
    std::stable_sort(found.begin(), found.end(),
                     [](const Volume& a, const Volume& b) { return a.root < b.root; });
    found.erase(std::unique(found.begin(), found.end(),
                            [](const Volume& a, const Volume& b) { return a.root == b.root; }),
                found.end());
    return found;
}

fs::path volumeOf(const fs::path& folder) {
    std::error_code error;
    auto absolute = fs::weakly_canonical(fs::absolute(folder, error), error);
    fs::path best = "/";
    for (const Mount& mount : mounts()) {
        if (within(absolute, mount.point) && mount.point.native().size() > best.native().size()) {
            best = mount.point;
        }
    }
    return best;
}

} // namespace marunda::platform

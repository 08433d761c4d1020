#include "platform/platform.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <algorithm>

namespace marunda::platform {

namespace {

// Asking an empty drive must not raise the system's "insert a disk" box.
class QuietDriveErrors {
public:
    QuietDriveErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS, &saved_); }
    ~QuietDriveErrors() { SetThreadErrorMode(saved_, nullptr); }
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

private:
    DWORD saved_ = 0;
};

bool volumeLabel(const std::filesystem::path& root, std::wstring* label) {
    QuietDriveErrors quiet;
    wchar_t buffer[MAX_PATH + 1] = {};
    bool read = GetVolumeInformationW(root.c_str(), buffer, MAX_PATH + 1, nullptr, nullptr, nullptr,
                                      nullptr, 0);
    if (label) {
        *label = buffer;
    }
    return read;
}

} // namespace

bool volumeReady(const std::filesystem::path& root) {
    return volumeLabel(root, nullptr);
}

std::vector<Volume> volumes() {
    std::vector<Volume> found;
    DWORD size = GetLogicalDriveStringsW(0, nullptr);
    std::wstring roots(size, L'\0');
    DWORD length = GetLogicalDriveStringsW(size, roots.data());
    // A list of zero-terminated roots ("C:\"), ended by an empty one.
    for (const wchar_t* root = roots.c_str(); length && *root; root += wcslen(root) + 1) {
        std::wstring label;
        bool ready = volumeLabel(root, &label);
        found.push_back({root, win32::utf8(label), ready});
    }
    std::sort(found.begin(), found.end(),
              [](const Volume& a, const Volume& b) { return a.root < b.root; });
    return found;
}

std::filesystem::path volumeOf(const std::filesystem::path& folder) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(folder, error);
    wchar_t buffer[MAX_PATH + 1];
    if (!error && GetVolumePathNameW(absolute.c_str(), buffer, MAX_PATH + 1)) {
        return buffer;
    }
    return absolute.root_path();
}

} // namespace marunda::platform

#include "platform/win32/known_folders.h"
#include "core/file_name.h"
#include "platform/platform.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

namespace marunda::platform {

namespace win32 {

Result<std::filesystem::path> knownFolder(const KNOWNFOLDERID& id, std::string_view what) {
    PWSTR path = nullptr;
    HRESULT result = SHGetKnownFolderPath(id, KF_FLAG_CREATE, nullptr, &path);
    if (FAILED(result)) {
        CoTaskMemFree(path);
        return systemError(ErrorCode::notFound, what, unsigned(result));
    }
    std::filesystem::path folder(path);
    CoTaskMemFree(path);
    return folder;
}

} // namespace win32

Result<std::filesystem::path> windowsFolder() {
    wchar_t buffer[MAX_PATH + 1];
    UINT length = GetWindowsDirectoryW(buffer, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) {
        return win32::systemError(ErrorCode::notFound, "Windows folder", GetLastError());
    }
    return std::filesystem::path(std::wstring(buffer, length));
}

Result<std::filesystem::path> desktopFolder() {
    return win32::knownFolder(FOLDERID_Desktop, "desktop folder");
}

std::filesystem::path defaultInstallationFolder() {
    // The system drive is the one that holds Windows itself.
    wchar_t buffer[MAX_PATH + 1];
    UINT length = GetSystemWindowsDirectoryW(buffer, MAX_PATH + 1);
    std::filesystem::path windows(length == 0 || length > MAX_PATH ? std::wstring(L"C:\\")
                                                                   : std::wstring(buffer, length));
    return windows.root_path() / L"Telefon";
}

} // namespace marunda::platform

#pragma once

// What a Windows program carries besides its code, read back from its file as Explorer reads it:
// the manifest's execution level, the sizes of its first icon, its version information.

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

struct ProgramResources {
    std::string manifest;     // empty when there is none
    std::vector<int> icons;   // widths of the first icon group; 256 is written as 0 there
    std::wstring product;     // ProductName
    std::wstring version;     // ProductVersion
    std::wstring description; // FileDescription
    DWORD fileVersionMs = 0;  // the fixed part's major.minor
};

inline std::wstring versionText(std::vector<char>& data, const wchar_t* name) {
    wchar_t* value = nullptr;
    UINT size = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\041F04B0\\") + name;
    return VerQueryValueW(data.data(), key.c_str(), reinterpret_cast<void**>(&value), &size) &&
                   value
               ? std::wstring(value)
               : std::wstring();
}

inline ProgramResources readResources(const std::filesystem::path& file) {
    ProgramResources found;
    const HMODULE module = LoadLibraryExW(
        file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) {
        return found;
    }
    if (HRSRC manifest = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST)) {
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, manifest)));
        found.manifest.assign(bytes, SizeofResource(module, manifest));
    }
    if (HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON)) {
        // GRPICONDIR: three words, then 14-byte entries that begin with width and height.
        const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
        const int count = bytes[4] | (bytes[5] << 8);
        for (int i = 0; i < count; ++i) {
            found.icons.push_back(bytes[6 + 14 * i]);
        }
    }
    FreeLibrary(module);
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeW(file.c_str(), &ignored));
    if (!data.empty() && GetFileVersionInfoW(file.c_str(), 0, DWORD(data.size()), data.data())) {
        found.product = versionText(data, L"ProductName");
        found.version = versionText(data, L"ProductVersion");
        found.description = versionText(data, L"FileDescription");
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT size = 0;
        if (VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &size) && fixed) {
            found.fileVersionMs = fixed->dwFileVersionMS;
        }
    }
    return found;
}

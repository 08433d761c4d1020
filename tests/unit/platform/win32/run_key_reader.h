#pragma once

#include <windows.h>

#include <string>

inline constexpr const wchar_t* runKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The value as the system reads it at logon; empty when there is none.
inline std::wstring runValue(HKEY root, const std::string& name) {
    wchar_t buffer[1024] = {};
    DWORD size = sizeof buffer;
    std::wstring wide(name.begin(), name.end());
    if (RegGetValueW(root, runKey, wide.c_str(), RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS) {
        return {};
    }
    return buffer;
}

#pragma once

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <filesystem>
#include <string>

// What a .lnk file starts and where, read back through the shell as Explorer would. Wine's
// GetPath answers from the link's ANSI copy of the path and loses letters outside code page
// 1252 (ı, ş, ğ); the item list holds the full name, as GetPath does on Windows.
struct LinkTarget {
    std::wstring path;     // GetPath
    std::wstring itemPath; // the path of the link's item list
    std::wstring folder;
    std::wstring icon; // GetIconLocation, with ",index" after it
};

inline LinkTarget readLink(const std::filesystem::path& file) {
    LinkTarget target;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* link = nullptr;
    IPersistFile* persist = nullptr;
    wchar_t buffer[MAX_PATH] = {};
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
        SUCCEEDED(persist->Load(file.c_str(), STGM_READ))) {
        if (SUCCEEDED(link->GetPath(buffer, MAX_PATH, nullptr, SLGP_RAWPATH))) {
            target.path = buffer;
        }
        if (SUCCEEDED(link->GetWorkingDirectory(buffer, MAX_PATH))) {
            target.folder = buffer;
        }
        int index = -1;
        if (SUCCEEDED(link->GetIconLocation(buffer, MAX_PATH, &index))) {
            target.icon = std::wstring(buffer) + L"," + std::to_wstring(index);
        }
        PIDLIST_ABSOLUTE items = nullptr;
        if (SUCCEEDED(link->GetIDList(&items)) && SHGetPathFromIDListW(items, buffer)) {
            target.itemPath = buffer;
        }
        CoTaskMemFree(items);
    }
    if (persist) {
        persist->Release();
    }
    if (link) {
        link->Release();
    }
    CoUninitialize();
    return target;
}

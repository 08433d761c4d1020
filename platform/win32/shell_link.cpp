#include "platform/win32/shell_link.h"

#include "core/file_name.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <objbase.h>
#include <shlguid.h>
#include <shobjidl.h>

namespace marunda::platform::win32 {

namespace {

// COM for the length of one call; a thread that already has it keeps it as it was.
class ComScope {
public:
    ComScope()
        : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT result_;
};

template <class Interface> class ComPointer {
public:
    ComPointer() = default;
    ~ComPointer() {
        if (pointer_) {
            pointer_->Release();
        }
    }
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;

    Interface* operator->() const { return pointer_; }
    void** out() { return reinterpret_cast<void**>(&pointer_); }

private:
    Interface* pointer_ = nullptr;
};

std::filesystem::path temporaryLink(const std::filesystem::path& file) {
    return file.parent_path() / (L"." + file.filename().wstring() + L".new");
}

HRESULT saveLink(const std::filesystem::path& file, const Shortcut& shortcut) {
    ComPointer<IShellLinkW> link;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkW, link.out());
    if (FAILED(result)) {
        return result;
    }
    const auto target = std::filesystem::absolute(shortcut.target);
    link->SetPath(target.c_str());
    // Our programs find their files in the current folder, as when started from their own.
    link->SetWorkingDirectory(target.parent_path().c_str());
    // Named even when it is the target's own, so that the link shows it when the target is gone
    // or its drive not ready.
    const auto icon = shortcut.icon.empty() ? target : std::filesystem::absolute(shortcut.icon);
    link->SetIconLocation(icon.c_str(), 0);
    ComPointer<IPersistFile> persist;
    result = link->QueryInterface(IID_IPersistFile, persist.out());
    return FAILED(result) ? result : persist->Save(file.c_str(), TRUE);
}

} // namespace

Result<void> writeShellLink(const std::filesystem::path& file, const Shortcut& shortcut) {
    ComScope com;
    const std::filesystem::path temporary = temporaryLink(file);
    if (HRESULT result = saveLink(temporary, shortcut); FAILED(result)) {
        DeleteFileW(temporary.c_str());
        return systemError(ErrorCode::unwritable, pathText(file), unsigned(result));
    }
    if (!MoveFileExW(temporary.c_str(), file.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        auto error = GetLastError();
        DeleteFileW(temporary.c_str());
        return systemError(ErrorCode::unwritable, pathText(file), error);
    }
    return {};
}

void removeLeftoverLink(const std::filesystem::path& file) {
    DeleteFileW(temporaryLink(file).c_str());
}

} // namespace marunda::platform::win32

#include "platform/platform.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

// The logon entry is a value of the Run key: the machine's where we may write it, the user's
// where the machine's is denied to us.
namespace marunda::platform {

namespace {

constexpr const wchar_t* runKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

LSTATUS setValue(HKEY root, const std::wstring& name, const std::wstring& data) {
    HKEY key;
    LSTATUS status =
        RegCreateKeyExW(root, runKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    status =
        RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       DWORD((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return status;
}

// A value that is not there is removed already.
LSTATUS deleteValue(HKEY root, const std::wstring& name) {
    HKEY key;
    LSTATUS status = RegOpenKeyExW(root, runKey, 0, KEY_SET_VALUE, &key);
    if (status == ERROR_SUCCESS) {
        status = RegDeleteValueW(key, name.c_str());
        RegCloseKey(key);
    }
    return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

bool hasValue(HKEY root, const std::wstring& name) {
    return RegGetValueW(root, runKey, name.c_str(), RRF_RT_ANY, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

} // namespace

Result<void> setLogonEntry(std::string_view name, const std::filesystem::path& program) {
    if (name.empty()) {
        return makeError(ErrorCode::badFormat, "logon entry");
    }
    const std::wstring value = win32::wide(name);
    // In quotes: unquoted, a folder with blanks would be cut at its first blank.
    const std::wstring command = L"\"" + std::filesystem::absolute(program).wstring() + L"\"";
    LSTATUS status = setValue(HKEY_LOCAL_MACHINE, value, command);
    if (status == ERROR_SUCCESS) {
        // An older entry of the user's own would start the program a second time.
        deleteValue(HKEY_CURRENT_USER, value);
    } else if (status == ERROR_ACCESS_DENIED) {
        status = setValue(HKEY_CURRENT_USER, value, command);
    }
    if (status != ERROR_SUCCESS) {
        return win32::systemError(ErrorCode::unwritable, "logon entry " + std::string(name),
                                  unsigned(status));
    }
    return {};
}

Result<void> removeLogonEntry(std::string_view name) {
    const std::wstring value = win32::wide(name);
    LSTATUS machine = deleteValue(HKEY_LOCAL_MACHINE, value);
    LSTATUS user = deleteValue(HKEY_CURRENT_USER, value);
    // A machine key we may not write is no failure as long as it holds no such value.
    if (machine == ERROR_ACCESS_DENIED && !hasValue(HKEY_LOCAL_MACHINE, value)) {
        machine = ERROR_SUCCESS;
    }
    LSTATUS status = machine != ERROR_SUCCESS ? machine : user;
    if (status != ERROR_SUCCESS) {
        return win32::systemError(ErrorCode::unwritable, "logon entry " + std::string(name),
                                  unsigned(status));
    }
    return {};
}

} // namespace marunda::platform

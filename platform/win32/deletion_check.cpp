#include "platform/platform.h"

#include <windows.h>

namespace marunda::platform {

namespace {

bool setDeleteOnClose(HANDLE file, bool on) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = on ? TRUE : FALSE;
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition,
                                      sizeof disposition) != 0;
}

} // namespace

// Opening for deletion finds a file held open without leave to delete it; a running program's
// file opens (it may even be renamed) but refuses to be marked for deletion, as does a read-only
// one. So the mark is asked for and taken back at once.
bool deletable(const std::filesystem::path& file) {
    HANDLE handle =
        CreateFileW(file.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    const bool marked = setDeleteOnClose(handle, true);
    // Should taking the mark back fail, the file goes when closed: it was to go anyway.
    if (marked) {
        setDeleteOnClose(handle, false);
    }
    CloseHandle(handle);
    return marked;
}

} // namespace marunda::platform

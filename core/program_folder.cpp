#include "core/program_folder.h"

#include "core/file_name.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace marunda {
namespace fs = std::filesystem;

namespace {

// Where the executable cannot be found, the folder the program was started in is the best guess.
fs::path startFolder() {
    std::error_code ec;
    return fs::current_path(ec);
}

} // namespace

fs::path programFolder() {
#ifdef _WIN32
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return startFolder();
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return fs::path(buffer).parent_path();
        }
        buffer.resize(buffer.size() * 2);
    }
#else
    std::error_code ec;
    const auto exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? startFolder() : exe.parent_path();
#endif
}

Result<void> enterFolder(const fs::path& folder) {
    std::error_code ec;
    fs::current_path(folder, ec);
    if (ec) {
        return makeError(ErrorCode::notFound, pathText(folder));
    }
    return {};
}

} // namespace marunda

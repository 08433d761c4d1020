#include "installer/windows_folder_check.h"

#include <system_error>

namespace marunda::installer {
namespace fs = std::filesystem;

// A folder is made and removed again: no file is opened, and nothing stays.
bool windowsFolderWritable(const fs::path& windowsFolder) {
    const fs::path probe = windowsFolder / ".Marunda_17.check";
    std::error_code error;
    fs::remove(probe, error); // what an interrupted check left
    if (error || !fs::create_directory(probe, error) || error) {
        return false;
    }
    fs::remove(probe, error);
    return true;
}

} // namespace marunda::installer

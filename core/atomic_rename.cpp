#include "core/file_handle.h"

namespace marunda {

Result<void> atomicRename(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (auto renamed = renameOver(from, to); !renamed) {
        return renamed;
    }
    // The rename lives in the folder: sync it too, or a crash may bring back the old name.
    return syncFolder(to.parent_path());
}

} // namespace marunda

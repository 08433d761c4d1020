#include "common/book_opening.h"

#include "common/book_edits.h"
#include "common/file_io.h"
#include "common/password_file.h"
#include "common/update_info.h"

#include <array>

namespace marunda {

Result<bool> openBook(const RecordStore& store) {
    if (auto bilgi = readFile(store.file(kCounterFile));
        bilgi && isPreviousFormatCounter(bilgi.value())) {
        return makeError(ErrorCode::oldFormat, std::string(kCounterFile));
    }
    static constexpr std::array<std::string_view, 4> kReplaced{kBookFile, kCounterFile,
                                                               kPasswordFile, kUpdateFile};
    removeLeftoverTemporaries(store.folder(), kReplaced);
    (void)removeFile(store.file(kDeleteScratchFile));
    if (store.reconcile()) {
        return false;
    }
    if (auto created = store.createDataFiles(); !created) {
        return created.error();
    }
    return true;
}

} // namespace marunda

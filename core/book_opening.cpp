#include "core/book_opening.h"

#include "core/book_edits.h"
#include "core/file_io.h"
#include "core/password_file.h"
#include "core/update_info.h"

namespace marunda {

Result<bool> openBook(const RecordStore& store) {
    if (auto bilgi = readFile(store.file(kCounterFile));
        bilgi && isPreviousFormatCounter(bilgi.value())) {
        return makeError(ErrorCode::oldFormat, std::string(kCounterFile));
    }
    removeLeftoverTemporaries(store.folder(), replacedBookFiles());
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

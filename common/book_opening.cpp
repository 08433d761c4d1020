#include "common/book_opening.h"

namespace marunda {

Result<void> openBook(const RecordStore& store) {
    if (store.reconcile()) {
        return {};
    }
    return store.createDataFiles();
}

} // namespace marunda

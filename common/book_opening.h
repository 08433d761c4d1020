#pragma once

#include "common/record_store.h"
#include "common/result.h"

// What Telefon does with its data files when it starts, before it shows page 1.
namespace marunda {

// Repairs the book (a torn last record, a counter that disagrees with telefon.dat) or, when
// bilgi.dat is missing or no counter, creates what a first run needs.
Result<void> openBook(const RecordStore& store);

} // namespace marunda

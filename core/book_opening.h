#pragma once

#include "core/export.h"
#include "core/record_store.h"
#include "core/result.h"

// What Telefon does with its data files when it starts, before it shows page 1.
namespace marunda {

// Removes what interrupted replacements left behind, then repairs the book (a torn last record, a
// counter that disagrees with telefon.dat) or, when bilgi.dat is missing or no counter, creates
// what a first run needs. A book of the previous format is refused with oldFormat and left
// untouched: only the converter may write to it. True when the first-run creation ran.
MARUNDA_CORE_EXPORT Result<bool> openBook(const RecordStore& store);

} // namespace marunda

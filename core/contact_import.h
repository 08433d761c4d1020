#pragma once

#include "core/contact_record.h"
#include "core/export.h"
#include "core/record_store.h"
#include "core/result.h"

#include <span>

namespace marunda {

// Adds the contacts after the last record as one change (a torn last record is completed with
// blanks in front of them, never written over), all or none: telefon.dat is
// replaced at once by the old records followed by the new ones, then the counter follows. Should
// the counter fail, the old telefon.dat is put back, so that a reported failure leaves the book as
// it was; after a crash the next start counts the records on disk, so the book holds all of them
// or none. More contacts than the book has room for are refused with bookFull (the detail says
// how many fit) before anything is written. Returns the page of the first one added.
MARUNDA_CORE_EXPORT Result<int> addContacts(const RecordStore& store,
                                            std::span<const ContactRecord> contacts);

} // namespace marunda

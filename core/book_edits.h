#pragma once

#include "core/book_files.h"
#include "core/contact_record.h"
#include "core/export.h"
#include "core/record_store.h"
#include "core/result.h"

#include <string_view>

// Adding, changing and deleting records so that telefon.dat and the counter of bilgi.dat always
// agree, whatever step fails.
namespace marunda {

// Writes a new record after the last record of telefon.dat (flushed; a torn last record is
// completed with blanks in front of it, never written over), then raises the counter; returns
// the page. A full book (the counter cannot be raised past the page) is refused
// with bookFull before anything is written. When a step fails the record is cut off again, so
// that a reported failure leaves the book as it was.
MARUNDA_CORE_EXPORT Result<int> appendRecord(const RecordStore& store, const ContactRecord& record);

// Writes a changed record back at its page, provided the page still holds `opened`, the record
// the change started from; otherwise (the page was deleted, moved up or filled meanwhile) it is
// refused with `changed` and nothing is written. A failed write puts `opened` back. A page past the
// last record (the empty page 1 of an empty book) becomes a new record, so that the counter counts
// it. Returns the page written.
MARUNDA_CORE_EXPORT Result<int> rewriteRecord(const RecordStore& store, int page,
                                              const ContactRecord& opened,
                                              const ContactRecord& record);

// Removes a page; the later pages move up by one. The new telefon.dat is built from one read and
// replaces the old one through sil.txt, so that there is always a whole telefon.dat. A page
// outside 1..records is refused with outOfRange before anything is touched. Returns the number
// of records left.
MARUNDA_CORE_EXPORT Result<int> deletePage(const RecordStore& store, int page);

// The page under which the contact shown before a deletion is found afterwards; when it was the
// deleted one, the page before it (page 1 when it was the first).
MARUNDA_CORE_EXPORT int pageShownAfterDelete(int shown, int deleted);

} // namespace marunda

#pragma once

#include "core/book_files.h"
#include "core/book_image.h"
#include "core/contact_record.h"
#include "core/export.h"
#include "core/result.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace marunda {

struct PreviousContents;

inline constexpr int kMaxPage = 32767; // pages and the counter are 16-bit signed
inline constexpr std::string_view kFormatMarker = "17";

// The next-page counter of a book of `records` whole records: the page after the last, held at
// kMaxPage by a full book.
MARUNDA_CORE_EXPORT int counterFor(int records);
// The pages a telefon.dat of `bytes` bytes shows: its whole records and a torn last one, which
// reads as completed with blanks.
MARUNDA_CORE_EXPORT int pagesOnDisk(std::uint64_t bytes);
// The bytes of bilgi.dat for a counter.
MARUNDA_CORE_EXPORT std::string counterFileBytes(int counter);
// The first item of bilgi.dat as a page counter: badFormat or outOfRange when it is not one.
MARUNDA_CORE_EXPORT Result<int> parseCounter(std::string_view bilgiBytes);
// Whether the marker "17" follows the first item of bilgi.dat.
MARUNDA_CORE_EXPORT bool carriesFormatMarker(std::string_view bilgiBytes);
// A counter without the marker "17" after it: bilgi.dat of a book of the previous format.
MARUNDA_CORE_EXPORT bool isPreviousFormatCounter(std::string_view bilgiBytes);

// The phone book's data files in one folder. Every operation opens, uses and closes its file.
class MARUNDA_CORE_EXPORT RecordStore {
public:
    explicit RecordStore(std::filesystem::path folder);
    // The store in the folder of the running program.
    static RecordStore inProgramFolder();

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path file(std::string_view name) const { return folder_ / name; }

    Result<void> enterProgramFolder() const;

    // A page past the end of telefon.dat reads as an all-blank record; a missing file is created.
    // Reading needs no write access.
    Result<ContactRecord> readPage(int page) const;
    // Flushed to the disk before it returns.
    Result<void> writePage(int page, const ContactRecord& record) const;
    Result<int> readNextPage() const;
    // Replaces bilgi.dat atomically.
    Result<void> writeNextPage(int counter) const;
    // Whole records in telefon.dat (a missing file holds none).
    Result<int> recordCount() const;
    Result<bool> bookExists() const;
    // The length of telefon.dat in bytes (a missing file has none).
    Result<std::uint64_t> bookSize() const;

    // telefon.dat in one read, without copying records: the way to scan the whole book.
    Result<BookImage> readBook() const;
    // Pages 1..count in one read; pages past the end of telefon.dat read as blank records, as
    // readPage reads them.
    Result<BookImage> readFirstPages(int count) const;
    // Pages 1..count handed on in blocks of `blockPages` pages from one opening, each block
    // before the next is read; a torn last page comes completed with blanks, as readPage reads
    // it. A missing book is created, as readPage does, and holds nothing.
    Result<void> scanBook(int count, int blockPages,
                          const std::function<void(const BookImage&)>& take) const;
    // Writes `bytes` into telefon.dat from `offset` on, flushed: new records after the last.
    Result<void> writeBookAt(std::uint64_t offset, std::string_view bytes) const;
    // Cuts telefon.dat back to `size` bytes, taking back what an unfinished append wrote.
    Result<void> truncateBook(std::uint64_t size) const;
    // Replaces telefon.dat whole through the safe replacement, via the scratch file `via` in the
    // folder when one is named; `previous` as replaceFile takes it.
    Result<void> replaceBook(std::string_view bytes, const PreviousContents* previous,
                             std::string_view via = {}) const;
    // Takes back a book that an unfinished operation created.
    Result<void> removeBook() const;

    // Opening the book creates it when it is missing; a folder that cannot take the file still
    // has an empty book, so a failure is no error.
    void createMissingBook() const;

    // First-run creation. Records already in telefon.dat keep their pages and the counter
    // follows them; an existing data.dat (and so its password) is kept. data.dat and telefon.dat
    // come first and bilgi.dat last: until it exists the next start creates again.
    Result<void> createDataFiles() const;

    // The repair rule, applied where the data files are first read: telefon.dat is the truth.
    // A torn last record is completed with blanks (kept, not dropped) and a counter that
    // disagrees with the records on disk is rewritten as records + 1. Returns the counter;
    // fails when bilgi.dat is missing or not a counter (the caller then creates the files).
    Result<int> reconcile() const;

private:
    Result<int> completeTornRecord() const;

    std::filesystem::path folder_;
};

} // namespace marunda

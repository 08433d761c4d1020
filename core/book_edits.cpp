#include "core/book_edits.h"

#include "core/file_io.h"

#include <algorithm>
#include <string>

namespace marunda {

Result<int> appendRecord(const RecordStore& store, const ContactRecord& record) {
    auto counter = store.readNextPage();
    if (!counter) {
        return counter;
    }
    auto size = store.bookSize();
    if (!size) {
        return size.error();
    }
    const std::uint64_t oldSize = size.value();
    // After the last record on disk, whatever the counter says: a stale counter must never lead
    // to an existing contact being overwritten. A torn last record that the start-up could not
    // complete still holds part of a contact: it is completed with blanks in the same write.
    const int page = counterFor(std::min(pagesOnDisk(oldSize), kMaxPage));
    if (counter.value() >= kMaxPage || page >= kMaxPage) {
        return makeError(ErrorCode::bookFull, std::to_string(page));
    }
    const auto offset = static_cast<std::uint64_t>(page - 1) * kRecordSize;
    std::string bytes(static_cast<std::size_t>(offset - oldSize), ' ');
    bytes += record.bytes();
    auto step = store.writeBookAt(oldSize, bytes);
    if (step) {
        step = store.writeNextPage(page + 1);
    }
    if (!step) {
        // Cut the record off again, or the next start would count what was reported as not
        // saved. (The counter is derived from telefon.dat then, whatever it holds.)
        (void)store.truncateBook(oldSize);
        return step.error();
    }
    return page;
}

Result<int> rewriteRecord(const RecordStore& store, int page, const ContactRecord& opened,
                          const ContactRecord& record) {
    if (page < 1 || page > kMaxPage) {
        return makeError(ErrorCode::outOfRange, std::to_string(page));
    }
    auto stored = store.readPage(page);
    if (!stored) {
        return stored.error();
    }
    if (stored.value() != opened) {
        return makeError(ErrorCode::changed, std::to_string(page));
    }
    auto size = store.bookSize();
    if (!size) {
        return size.error();
    }
    // A torn last page is rewritten in place, whole, like any other.
    if (page > pagesOnDisk(size.value())) {
        return appendRecord(store, record);
    }
    if (auto written = store.writePage(page, record); !written) {
        // A write that failed at its flush may still have changed the page: put it back.
        (void)store.writePage(page, opened);
        return written.error();
    }
    return page;
}

Result<int> deletePage(const RecordStore& store, int page) {
    auto image = store.readBook();
    if (!image) {
        return image.error();
    }
    const std::string& book = image.value().bytes();
    const auto records = static_cast<long long>(book.size() / kRecordSize);
    if (page < 1 || page > records) {
        return makeError(ErrorCode::outOfRange, std::to_string(page));
    }
    const auto cut = static_cast<std::size_t>(page - 1) * kRecordSize;
    std::string remaining = book.substr(0, cut);
    remaining.append(book, cut + kRecordSize);
    const PreviousContents previous{true, book};
    if (auto replaced = store.replaceBook(remaining, &previous, kDeleteScratchFile); !replaced) {
        return replaced.error();
    }
    const int left = static_cast<int>(records - 1);
    // The record is gone for good now. Should the counter not follow, the next start derives it
    // from telefon.dat again, and a new record never lands beyond the last one meanwhile.
    (void)store.writeNextPage(counterFor(left));
    return left;
}

int pageShownAfterDelete(int shown, int deleted) {
    if (shown == deleted || shown < 1) {
        return std::max(1, deleted - 1);
    }
    return shown < deleted ? shown : shown - 1;
}

} // namespace marunda

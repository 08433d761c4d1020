#include "core/record_store.h"

#include "core/delimited_text.h"
#include "core/file_io.h"
#include "core/password_file.h"
#include "core/program_folder.h"

#include <algorithm>
#include <charconv>

namespace marunda {
namespace fs = std::filesystem;

namespace {

std::uint64_t pageOffset(int page) {
    return static_cast<std::uint64_t>(page - 1) * kRecordSize;
}

// A missing telefon.dat is an empty book.
template <class T> Result<T> emptyWhenMissing(Result<T> read) {
    if (!read && read.error().code == ErrorCode::notFound) {
        return T{};
    }
    return read;
}

} // namespace

int counterFor(int records) {
    return std::min(records + 1, kMaxPage);
}

int pagesOnDisk(std::uint64_t bytes) {
    return static_cast<int>(
        std::min<std::uint64_t>((bytes + kRecordSize - 1) / kRecordSize, INT32_MAX));
}

std::string counterFileBytes(int counter) {
    return delimitedLine({std::to_string(counter), quotedItem(kFormatMarker)});
}

Result<int> parseCounter(std::string_view bilgiBytes) {
    const auto items = readDelimitedItems(bilgiBytes, 1);
    if (items.empty() || items[0].quoted || items[0].text.empty()) {
        return makeError(ErrorCode::badFormat, std::string(kCounterFile));
    }
    const auto& text = items[0].text;
    const char* first = text.data() + (text[0] == '+' ? 1 : 0);
    long long value = 0;
    const auto [end, ec] = std::from_chars(first, text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        return makeError(ErrorCode::outOfRange, text);
    }
    if (ec != std::errc() || end != text.data() + text.size()) {
        return makeError(ErrorCode::badFormat, text);
    }
    if (value < -32768 || value > kMaxPage) {
        return makeError(ErrorCode::outOfRange, text);
    }
    return static_cast<int>(value);
}

bool carriesFormatMarker(std::string_view bilgiBytes) {
    const auto items = readDelimitedItems(bilgiBytes, 2);
    return items.size() == 2 && items[1].text == kFormatMarker;
}

bool isPreviousFormatCounter(std::string_view bilgiBytes) {
    return parseCounter(bilgiBytes) && !carriesFormatMarker(bilgiBytes);
}

RecordStore::RecordStore(fs::path folder)
    : folder_(std::move(folder)) {}

RecordStore RecordStore::inProgramFolder() {
    return RecordStore(programFolder());
}

Result<void> RecordStore::enterProgramFolder() const {
    return enterFolder(folder_);
}

Result<ContactRecord> RecordStore::readPage(int page) const {
    if (page < 1 || page > kMaxPage) {
        return makeError(ErrorCode::outOfRange, std::to_string(page));
    }
    auto exists = fileExists(file(kBookFile));
    if (!exists) {
        return exists.error();
    }
    // A read-only folder without the file still reads as an empty book.
    if (!exists.value() && !touchFile(file(kBookFile))) {
        return ContactRecord{};
    }
    auto bytes = readFileRange(file(kBookFile), pageOffset(page), kRecordSize);
    if (!bytes) {
        return bytes.error();
    }
    return ContactRecord::fromBytes(bytes.value());
}

Result<void> RecordStore::writePage(int page, const ContactRecord& record) const {
    if (page < 1 || page > kMaxPage) {
        return makeError(ErrorCode::outOfRange, std::to_string(page));
    }
    return writeFileAt(file(kBookFile), pageOffset(page), record.bytes());
}

Result<int> RecordStore::readNextPage() const {
    auto bytes = readFile(file(kCounterFile));
    if (!bytes) {
        return bytes.error();
    }
    return parseCounter(bytes.value());
}

Result<void> RecordStore::writeNextPage(int counter) const {
    return replaceFileKeepingOld(file(kCounterFile), counterFileBytes(counter));
}

Result<int> RecordStore::recordCount() const {
    auto size = emptyWhenMissing(fileSize(file(kBookFile)));
    if (!size) {
        return size.error();
    }
    return static_cast<int>(std::min<std::uint64_t>(size.value() / kRecordSize, INT32_MAX));
}

Result<bool> RecordStore::bookExists() const {
    return fileExists(file(kBookFile));
}

Result<std::uint64_t> RecordStore::bookSize() const {
    return emptyWhenMissing(fileSize(file(kBookFile)));
}

Result<void> RecordStore::writeBookAt(std::uint64_t offset, std::string_view bytes) const {
    return writeFileAt(file(kBookFile), offset, bytes);
}

Result<void> RecordStore::truncateBook(std::uint64_t size) const {
    return truncateFile(file(kBookFile), size);
}

Result<void> RecordStore::replaceBook(std::string_view bytes, const PreviousContents* previous,
                                      std::string_view via) const {
    if (via.empty()) {
        return replaceFile(file(kBookFile), bytes, previous);
    }
    return replaceFileVia(file(kBookFile), file(via), bytes, previous);
}

Result<void> RecordStore::removeBook() const {
    return removeFile(file(kBookFile));
}

Result<BookImage> RecordStore::readBook() const {
    auto bytes = emptyWhenMissing(readFile(file(kBookFile)));
    if (!bytes) {
        return bytes.error();
    }
    return BookImage(std::move(bytes).value());
}

Result<BookImage> RecordStore::readFirstPages(int count) const {
    const auto length = static_cast<std::size_t>(std::max(count, 0)) * kRecordSize;
    auto bytes = emptyWhenMissing(readFileRange(file(kBookFile), 0, length));
    if (!bytes) {
        return bytes.error();
    }
    std::string pages = std::move(bytes).value();
    pages.resize(length, ' ');
    return BookImage(std::move(pages));
}

Result<void> RecordStore::scanBook(int count, int blockPages,
                                   const std::function<void(const BookImage&)>& take) const {
    const auto limit = static_cast<std::uint64_t>(std::max(count, 0)) * kRecordSize;
    auto read =
        readFileInBlocks(file(kBookFile), limit, static_cast<std::size_t>(blockPages) * kRecordSize,
                         [&](std::string&& piece) {
                             if (const auto torn = piece.size() % kRecordSize; torn != 0) {
                                 piece.append(kRecordSize - torn, ' ');
                             }
                             take(BookImage(std::move(piece)));
                         });
    if (!read && read.error().code == ErrorCode::notFound) {
        createMissingBook();
        return {};
    }
    return read;
}

void RecordStore::createMissingBook() const {
    (void)touchFile(file(kBookFile));
}

Result<int> RecordStore::completeTornRecord() const {
    // Only a missing or torn book is written to: a whole one may be write-protected.
    auto exists = fileExists(file(kBookFile));
    if (!exists) {
        return exists.error();
    }
    if (!exists.value()) {
        if (auto created = touchFile(file(kBookFile)); !created) {
            return created.error();
        }
    }
    auto size = fileSize(file(kBookFile));
    if (!size) {
        return size.error();
    }
    const auto torn = size.value() % kRecordSize;
    if (torn != 0) {
        const std::string blanks(kRecordSize - torn, ' ');
        if (auto padded = writeFileAt(file(kBookFile), size.value(), blanks); !padded) {
            return padded.error();
        }
    }
    return pagesOnDisk(size.value());
}

Result<void> RecordStore::createDataFiles() const {
    if (auto created = PasswordFile(folder_).createIfMissing(); !created) {
        return created;
    }
    auto records = completeTornRecord();
    if (!records) {
        return records.error();
    }
    return writeNextPage(counterFor(records.value()));
}

Result<int> RecordStore::reconcile() const {
    auto counter = readNextPage();
    if (!counter) {
        return counter;
    }
    auto records = completeTornRecord();
    if (!records) {
        // Nothing can be repaired here (read-only medium): carry on with what is stored.
        return counter;
    }
    const int expected = counterFor(records.value());
    if (counter.value() != expected) {
        if (auto written = writeNextPage(expected); !written) {
            return counter;
        }
    }
    return expected;
}

} // namespace marunda

#include "converter/book_inspection.h"

#include "converter/contact_record16.h"
#include "core/contact_record.h"
#include "core/file_handle.h"
#include "core/file_io.h"
#include "core/password_file.h"
#include "core/record_store.h"

#include <algorithm>
#include <optional>

namespace marunda::converter {
namespace fs = std::filesystem;

namespace {

// The file's bytes, or nullopt when there is no such file.
Result<std::optional<std::string>> readIfPresent(const fs::path& file) {
    auto exists = fileExists(file);
    if (!exists) {
        return exists.error();
    }
    if (!exists.value()) {
        return std::optional<std::string>();
    }
    auto bytes = readFile(file);
    if (!bytes) {
        return bytes.error();
    }
    return std::optional<std::string>(std::move(bytes).value());
}

// Records beyond counter - 1 stay behind; a torn last record counts, completed with blanks.
std::size_t pagesToCarry(std::size_t bookSize, int counter) {
    const auto present = (bookSize + kRecordSize16 - 1) / kRecordSize16;
    return std::min(present, static_cast<std::size_t>(counter - 1));
}

enum class Reading { as16, as17, either };

// What the length of telefon.dat says beside the counter (see inspectBook).
Reading readingOf(std::size_t bookSize, int counter) {
    const auto pages = static_cast<std::size_t>(counter - 1);
    if (pages > 0 && bookSize == pages * kRecordSize) {
        return Reading::as17;
    }
    // Whole 1020-byte records for another counter could be either format with a stale counter.
    const bool whole17 = bookSize > 0 && bookSize % kRecordSize == 0;
    return whole17 && bookSize != pages * kRecordSize16 ? Reading::either : Reading::as16;
}

std::string converted(std::string_view book16, std::size_t pages) {
    std::string bytes;
    bytes.reserve(pages * kRecordSize);
    appendConvertedPages(book16, 0, pages, bytes);
    return bytes;
}

// Read-only as the safe replacement refuses it: this user may not write it.
bool readOnly(const fs::path& file) {
    return fileExists(file).valueOr(false) && !fileIsWritable(file);
}

// What the book needs, from the counter, telefon.dat and the kept original (each maybe absent).
Result<BookInspection> needOf(int counter, std::optional<std::string> book,
                              std::optional<std::string> original) {
    if (original) {
        const auto pages = pagesToCarry(original->size(), counter);
        if (!book) {
            return BookInspection{BookNeed::conversion, pages, std::move(*original), true};
        }
        if (*book == converted(*original, pages)) {
            return BookInspection{BookNeed::marker, pages, {}, true};
        }
    }
    switch (readingOf(book ? book->size() : 0, counter)) {
    case Reading::as17:
        return BookInspection{
            BookNeed::lostMarker, static_cast<std::size_t>(counter - 1), {}, false};
    case Reading::either:
        return makeError(ErrorCode::ambiguous, std::string(kBookFile));
    case Reading::as16:
        break;
    }
    // An original of an earlier conversion that differs from this book is never overwritten.
    if (original && *original != book.value_or(std::string())) {
        return makeError(ErrorCode::changed, std::string(kOriginal16));
    }
    const auto size = book ? book->size() : 0;
    return BookInspection{BookNeed::conversion, pagesToCarry(size, counter),
                          std::move(book).value_or(std::string()), false};
}

} // namespace

Result<BookInspection> inspectBook(const fs::path& folder) {
    auto bilgi = readFile(folder / kCounterFile);
    if (!bilgi) {
        return bilgi.error();
    }
    if (carriesFormatMarker(bilgi.value())) {
        return BookInspection{};
    }
    auto counter = parseCounter(bilgi.value());
    if (!counter) {
        return counter.error();
    }
    if (counter.value() < 1) {
        return makeError(ErrorCode::outOfRange, std::to_string(counter.value()));
    }
    auto book = readIfPresent(folder / kBookFile);
    if (!book) {
        return book.error();
    }
    auto original = readIfPresent(folder / kOriginal16);
    if (!original) {
        return original.error();
    }
    auto need = needOf(counter.value(), std::move(book).value(), std::move(original).value());
    if (!need) {
        return need;
    }
    // The 1.6 program could not open a read-only book either: it is left as it is.
    if (need.value().need == BookNeed::conversion && !need.value().fromOriginal &&
        readOnly(folder / kBookFile)) {
        return makeError(ErrorCode::unwritable, std::string(kBookFile));
    }
    // Something else than a file under that name (a folder) is not missing: it stays alone.
    need.value().passwordFileMissing = !fileExists(folder / kPasswordFile).valueOr(true);
    return need;
}

} // namespace marunda::converter

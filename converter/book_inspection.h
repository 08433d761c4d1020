#pragma once

#include "core/book_files.h"
#include "core/result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace marunda::converter {

using marunda::kTemporaryBook;
// The 1.6 telefon.dat as it was, kept beside the converted book: the user's way back, and the
// source of a conversion that starts again after an interruption.
inline constexpr std::string_view kOriginal16 = "telefon_16.dat";

enum class BookNeed {
    nothing,    // converted already: bilgi.dat carries "17"
    conversion, // a 1.6 book, or an interrupted conversion that starts again from the original
    marker,     // telefon.dat holds the conversion of the kept original; only the marker is missing
    lostMarker, // a 1.7 book whose bilgi.dat lost its marker: the marker is written back
};

struct BookInspection {
    BookNeed need = BookNeed::nothing;
    // The pages carried over: counter - 1, or fewer where the 1.6 records end earlier.
    std::size_t pages = 0;
    // The 1.6 records, read at once (need == conversion).
    std::string book16;
    // book16 comes from the kept original, as telefon.dat is gone or is the converted book.
    bool fromOriginal = false;
    // There is no data.dat: the work makes one as a first run would, and takes it away again
    // when it fails.
    bool passwordFileMissing = false;
};

// What the book in `folder` needs. The length of telefon.dat is judged against the counter c: a
// 1.6 book is (c - 1) x 790 bytes, a 1.7 one (c - 1) x 1020; any other length is a 1.6 book with
// records beyond the counter or a torn last one, unless it is a whole number of 1020-byte
// records, which a 1.7 book with a stale counter could be as well. Fails (and nothing may be
// touched) when bilgi.dat is missing or holds no counter, when the length does not tell the
// formats apart (ambiguous), or when a kept original of an earlier conversion belongs to another
// book.
Result<BookInspection> inspectBook(const std::filesystem::path& folder);

} // namespace marunda::converter

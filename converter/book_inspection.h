#pragma once

#include "common/result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace marunda::converter {

// The converted book is written here first and renamed over telefon.dat when complete.
inline constexpr std::string_view kTemporaryBook = "telefon.tmp";
// The 1.6 telefon.dat as it was, kept beside the converted book: the user's way back, and the
// source of a conversion that starts again after an interruption.
inline constexpr std::string_view kOriginal16 = "telefon_16.dat";

enum class BookNeed {
    nothing,    // converted already: bilgi.dat carries "17", or telefon.dat is a 1.7 book whose
                // marker was lost
    conversion, // a 1.6 book, or an interrupted conversion that starts again from the original
    marker,     // telefon.dat holds the conversion of the kept original; only the marker is missing
};

struct BookInspection {
    BookNeed need = BookNeed::nothing;
    // The pages carried over: counter - 1, or fewer where the 1.6 records end earlier.
    std::size_t pages = 0;
    // The 1.6 records, read at once (need == conversion).
    std::string book16;
    // book16 comes from the kept original, as telefon.dat is gone or is the converted book.
    bool fromOriginal = false;
};

// What the book in `folder` needs. Fails (and nothing may be touched) when bilgi.dat is missing
// or holds no counter, or when a kept original of an earlier conversion belongs to another book.
Result<BookInspection> inspectBook(const std::filesystem::path& folder);

} // namespace marunda::converter

#pragma once

#include "core/book_image.h"
#include "core/contact_record.h"
#include "core/export.h"
#include "core/record_store.h"
#include "core/result.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace marunda {

enum class SearchKind {
    name,  // case-folded prefix of the stored name (Turkish mapping on both sides)
    phone, // whole phone1, phone2 or phone3 field, blanks ignored on both sides
};

struct SearchQuery {
    SearchKind kind = SearchKind::name;
    std::string text; // UTF-8, as typed
};

// One line of the result list.
struct SearchRow {
    int page = 0;
    Field phoneField = Field::phone1; // the field that matched; phone1 in a name search
    std::string name;                 // UTF-8 at the full stored width, trailing blanks included
    std::string phone;                // likewise
    bool operator==(const SearchRow&) const = default;
};

// Told of the records scanned so far, every kSearchProgressStep records and once at the end.
using SearchProgress = std::function<void(int scanned, int total)>;
inline constexpr int kSearchProgressStep = 1024;

// The rows for the pages of the book (at most kMaxPage of them), in ascending page order; in a
// phone search a record gives one row per matching field, in field order.
MARUNDA_CORE_EXPORT std::vector<SearchRow>
searchBook(const BookImage& book, const SearchQuery& query, const SearchProgress& progress = {});

struct SearchOutcome {
    int recordCount = 0; // whole records scanned
    std::vector<SearchRow> rows;
};

// The search over telefon.dat, read in one piece. A missing file is created empty and holds no
// records; a file that cannot be read is an error and nothing is searched. A phone search
// leaves sirali.tmp holding the search text as its only line.
MARUNDA_CORE_EXPORT Result<SearchOutcome> searchStore(const RecordStore& store,
                                                      const SearchQuery& query,
                                                      const SearchProgress& progress = {});

} // namespace marunda

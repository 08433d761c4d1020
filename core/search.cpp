#include "core/search.h"

#include "core/cp1254.h"
#include "core/phone_text.h"
#include "core/scratch_file.h"
#include "core/turkish_case.h"

#include <algorithm>
#include <optional>

namespace marunda {
namespace {

constexpr Field kPhoneFields[] = {Field::phone1, Field::phone2, Field::phone3};

// A query holding a character that code page 1254 cannot store matches no stored text.
std::optional<std::string> storedForm(std::string_view utf8) {
    if (!fitsCp1254(utf8)) {
        return std::nullopt;
    }
    return encodeCp1254(utf8);
}

bool namePrefixMatches(std::string_view name, std::string_view foldedPrefix) {
    if (foldedPrefix.size() > name.size()) {
        return false;
    }
    for (std::size_t i = 0; i < foldedPrefix.size(); ++i) {
        if (turkishLower(static_cast<unsigned char>(name[i])) !=
            static_cast<unsigned char>(foldedPrefix[i])) {
            return false;
        }
    }
    return true;
}

bool compactEquals(std::string_view field, std::string_view compactQuery) {
    std::size_t at = 0;
    for (char c : field) {
        if (c == ' ') {
            continue;
        }
        if (at == compactQuery.size() || compactQuery[at] != c) {
            return false;
        }
        ++at;
    }
    return at == compactQuery.size();
}

SearchRow makeRow(const BookImage& book, int page, Field phoneField) {
    return {page, phoneField, decodeCp1254(book.fieldBytes(page, Field::name)),
            decodeCp1254(book.fieldBytes(page, phoneField))};
}

void addMatches(std::vector<SearchRow>& rows, const BookImage& book, int page, SearchKind kind,
                std::string_view wanted) {
    if (kind == SearchKind::name) {
        if (namePrefixMatches(book.fieldBytes(page, Field::name), wanted)) {
            rows.push_back(makeRow(book, page, Field::phone1));
        }
        return;
    }
    for (Field field : kPhoneFields) {
        if (compactEquals(book.fieldBytes(page, field), wanted)) {
            rows.push_back(makeRow(book, page, field));
        }
    }
}

// Pages are 16-bit numbers: a longer file is searched up to the last page that can be shown.
int searchedPages(const BookImage& book) {
    return std::min(book.pageCount(), kMaxPage);
}

} // namespace

std::vector<SearchRow> searchBook(const BookImage& book, const SearchQuery& query,
                                  const SearchProgress& progress) {
    const int total = searchedPages(book);
    std::vector<SearchRow> rows;
    const auto stored = storedForm(query.text);
    const std::string wanted = !stored                          ? std::string()
                               : query.kind == SearchKind::name ? turkishLower(*stored)
                                                                : compactPhone(*stored);
    for (int page = 1; page <= total; ++page) {
        if (stored) {
            addMatches(rows, book, page, query.kind, wanted);
        }
        if (progress && (page % kSearchProgressStep == 0 || page == total)) {
            progress(page, total);
        }
    }
    return rows;
}

Result<SearchOutcome> searchStore(const RecordStore& store, const SearchQuery& query,
                                  const SearchProgress& progress) {
    auto book = store.readBook();
    if (!book) {
        return book.error();
    }
    if (book.value().pageCount() == 0) {
        store.createMissingBook();
    }
    SearchOutcome outcome;
    outcome.recordCount = searchedPages(book.value());
    outcome.rows = searchBook(book.value(), query, progress);
    if (query.kind == SearchKind::phone) {
        // Only the scratch file's end state is kept; a folder that cannot take it loses nothing.
        (void)keepScratchLine(store, query.text);
    }
    return outcome;
}

} // namespace marunda

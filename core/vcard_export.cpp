#include "core/vcard_export.h"

#include "core/file_io.h"
#include "core/listing.h"
#include "core/vcard_card.h"
#include "core/vcard_mapping.h"
#include "core/vcard_writer.h"

#include <algorithm>

namespace marunda {

bool isVcardFileName(std::string_view name) {
    return name.size() >= kVcardExtension.size() &&
           sameIgnoringCase(name.substr(name.size() - kVcardExtension.size()), kVcardExtension);
}

std::filesystem::path vcardTarget(std::string_view folder, std::string_view name) {
    // The listing's own composition, without the ".txt" it adds.
    return listingTarget(folder, name).replace_extension();
}

namespace {

void appendVcardOf(std::string& out, std::string_view recordBytes, VcardScratch& scratch) {
    VcardLines lines(out);
    vcardPropertiesOf(recordBytes, lines, scratch);
}

} // namespace

std::string vcardFileOf(const BookImage& book, std::span<const int> pages) {
    std::string out;
    out.reserve(pages.size() * 400);
    VcardScratch scratch;
    for (const int page : pages) {
        appendVcardOf(out, book.pageBytes(page), scratch);
    }
    return out;
}

namespace {

// Pages in ascending order, the listing window's way, from blocks of the book read one after
// another: no buffer of the whole book is made and filled, and each block is written out while
// it is still in the cache.
Result<std::string> vcardsInPageOrder(const RecordStore& store, std::span<const int> pages) {
    constexpr int kBlockPages = 1024;
    std::string out;
    out.reserve(pages.size() * 400);
    VcardScratch scratch;
    auto next = pages.begin();
    int firstOfBlock = 1;
    auto scanned = store.scanBook(pages.back(), kBlockPages, [&](const BookImage& block) {
        const int end = firstOfBlock + block.pageCount();
        for (; next != pages.end() && *next < end; ++next) {
            appendVcardOf(out, block.pageBytes(*next - firstOfBlock + 1), scratch);
        }
        firstOfBlock = end;
    });
    if (!scanned) {
        return scanned.error();
    }
    const ContactRecord blank; // what a page past the end of telefon.dat reads as
    for (; next != pages.end(); ++next) {
        appendVcardOf(out, blank.bytes(), scratch);
    }
    return out;
}

} // namespace

Result<void> exportVcards(const RecordStore& store, std::span<const int> pages,
                          const std::filesystem::path& target) {
    const auto [first, last] = std::ranges::minmax_element(pages);
    if (first != pages.end() && *first < 1) {
        return makeError(ErrorCode::outOfRange, std::to_string(*first));
    }
    if (!pages.empty() && std::ranges::is_sorted(pages)) {
        auto vcards = vcardsInPageOrder(store, pages);
        if (!vcards) {
            return vcards.error();
        }
        return replaceUserFile(target, vcards.value());
    }
    auto book = store.readFirstPages(first == pages.end() ? 0 : *last);
    if (!book) {
        return book.error();
    }
    return replaceUserFile(target, vcardFileOf(book.value(), pages));
}

} // namespace marunda

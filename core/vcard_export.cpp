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

std::string vcardFileOf(const BookImage& book, std::span<const int> pages) {
    std::string out;
    out.reserve(pages.size() * 400);
    VcardCard card;
    for (const int page : pages) {
        vcardFromContact(book.record(page), card);
        appendVcard(out, card);
    }
    return out;
}

Result<void> exportVcards(const RecordStore& store, std::span<const int> pages,
                          const std::filesystem::path& target) {
    const auto [first, last] = std::ranges::minmax_element(pages);
    if (first != pages.end() && *first < 1) {
        return makeError(ErrorCode::outOfRange, std::to_string(*first));
    }
    auto book = store.readFirstPages(first == pages.end() ? 0 : *last);
    if (!book) {
        return book.error();
    }
    return replaceUserFile(target, vcardFileOf(book.value(), pages));
}

} // namespace marunda

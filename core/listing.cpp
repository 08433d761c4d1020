#include "core/listing.h"

#include "core/cp1254.h"
#include "core/file_io.h"
#include "core/file_name.h"
#include "core/scratch_file.h"
#include "core/text_rules.h"

#include <algorithm>

namespace marunda {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The labels in record order, the name's first.
constexpr std::array<std::string_view, kFieldCount> kLabels = {
    "İsim:",      "Telefon 1:", "Telefon 2:",     "Telefon 3:", "Fax:",      "Adres:",
    "Doğumgünü:", "Notlar:",    "E-mail 1:",      "E-mail 2:",  "E-mail 3:", "Icq 1:",
    "Icq 2:",     "Internet:",  "Vergi Dairesi:", "Vergi No:",
};

void appendPadded(std::string& line, std::string_view bytes, std::size_t width) {
    const auto kept = std::min(bytes.size(), width);
    line.append(bytes.substr(0, kept));
    line.append(width - kept, ' ');
}

std::size_t lineLength(const ListingColumns& columns) {
    std::size_t length = fieldWidth(Field::name);
    for (const Field field : kListingColumns) {
        length += columns.ticked(field) ? fieldWidth(field) : 0;
    }
    return length;
}

// A name list entry: the name's bare text, at most 30 characters of it.
std::string entryText(std::string_view nameBytes) {
    // Decoding only as far as a run of five blanks starting at the 30th character reaches.
    const auto window = nameBytes.substr(0, kListEntryLength + kBlankRunLength - 1);
    const auto bare = utf8ToUtf32(blankRunCopy(decodeCp1254(window), Field::name));
    return utf32ToUtf8(std::u32string_view(bare).substr(0, kListEntryLength));
}

// '/' separates folders on every platform we build for; Windows also takes its own '\\'.
bool endsWithSeparator(std::string_view folder) {
    return !folder.empty() && (folder.back() == '/' ||
                               folder.back() == static_cast<char>(fs::path::preferred_separator));
}

// A record's columns from its 1020 bytes.
void appendContact(std::string& line, std::string_view record, const ListingColumns& columns) {
    line.append(record.substr(0, fieldWidth(Field::name)));
    for (const Field field : kListingColumns) {
        if (columns.ticked(field)) {
            line.append(record.substr(layoutOf(field).offset, fieldWidth(field)));
        }
    }
}

template <class RecordAt>
std::string composeListing(std::size_t count, const ListingColumns& columns, RecordAt recordAt) {
    std::string bytes;
    bytes.reserve((count + 1) * (lineLength(columns) + kLineEnd.size()) + kLineEnd.size());
    bytes.append(listingHeaderLine(columns)).append(kLineEnd).append(kLineEnd);
    for (std::size_t i = 0; i < count; ++i) {
        appendContact(bytes, recordAt(i), columns);
        bytes.append(kLineEnd);
    }
    return bytes;
}

} // namespace

std::string_view listingLabel(Field field) {
    return kLabels[static_cast<std::size_t>(field)];
}

ListingColumns ListingColumns::all() {
    ListingColumns columns;
    columns.ticked_.set();
    return columns;
}

void ListingColumns::tick(Field field, bool ticked) {
    ticked_.set(static_cast<std::size_t>(field), ticked);
}

bool ListingColumns::ticked(Field field) const {
    return field == Field::name || ticked_.test(static_cast<std::size_t>(field));
}

std::string listingHeaderLine(const ListingColumns& columns) {
    std::string line;
    line.reserve(lineLength(columns));
    appendPadded(line, encodeCp1254(listingLabel(Field::name)), fieldWidth(Field::name));
    for (const Field field : kListingColumns) {
        if (columns.ticked(field)) {
            appendPadded(line, encodeCp1254(listingLabel(field)), fieldWidth(field));
        }
    }
    return line;
}

std::string listingContactLine(const ContactRecord& record, const ListingColumns& columns) {
    std::string line;
    line.reserve(lineLength(columns));
    appendContact(line, record.bytes(), columns);
    return line;
}

std::string listingBytes(const std::vector<ContactRecord>& contacts,
                         const ListingColumns& columns) {
    return composeListing(contacts.size(), columns,
                          [&](std::size_t i) { return contacts[i].bytes(); });
}

fs::path listingTarget(std::string_view folder, std::string_view name) {
    std::string text(folder);
    if (!endsWithSeparator(folder)) {
        text += static_cast<char>(fs::path::preferred_separator);
    }
    text.append(name).append(kListingExtension);
    return pathFromText(text);
}

int listedPageCount(int counter, int records) {
    if (counter >= kMaxPage && records >= kMaxPage) {
        return kMaxPage;
    }
    return std::max(counter - 1, 0);
}

Result<std::vector<std::string>> readListEntries(const RecordStore& store) {
    auto records = store.recordCount();
    if (!records) {
        return records.error();
    }
    // telefon.dat is the truth when the counter cannot be read.
    const auto counter = store.readNextPage().valueOr(counterFor(records.value()));
    const auto count = static_cast<std::size_t>(listedPageCount(counter, records.value()));
    auto book = store.readFirstPages(static_cast<int>(count));
    if (!book) {
        return book.error();
    }
    const auto& pages = book.value();
    std::vector<std::string> entries;
    entries.reserve(count);
    for (int page = 1; page <= pages.pageCount(); ++page) {
        entries.push_back(entryText(pages.fieldBytes(page, Field::name)));
    }
    if (!entries.empty()) {
        // The scratch file ends holding the last name taken apart; it serves nothing else.
        (void)keepScratchLine(store,
                              decodeCp1254(pages.fieldBytes(pages.pageCount(), Field::name)));
    }
    return entries;
}

Result<void> writeListing(const RecordStore& store, const std::vector<int>& pages,
                          const ListingColumns& columns, const fs::path& target) {
    const auto [first, last] = std::minmax_element(pages.begin(), pages.end());
    if (first != pages.end() && *first < 1) {
        return makeError(ErrorCode::outOfRange, std::to_string(*first));
    }
    auto book = store.readFirstPages(first == pages.end() ? 0 : *last);
    if (!book) {
        return book.error();
    }
    const auto recordAt = [&](std::size_t i) {
        return book.value().pageBytes(pages[i]);
    };
    return replaceUserFile(target, composeListing(pages.size(), columns, recordAt));
}

} // namespace marunda

#include "core/import_preview.h"

#include "core/file_io.h"
#include "core/phone_text.h"
#include "core/text_rules.h"
#include "core/turkish_case.h"

#include <algorithm>
#include <unordered_set>

namespace marunda {

namespace {

constexpr std::array<Field, 3> kPhones{Field::phone1, Field::phone2, Field::phone3};

// The contacts met so far, by folded name and phone.
class KnownContacts {
public:
    explicit KnownContacts(std::size_t expected) {
        byPhone_.reserve(expected * 2);
        withoutPhone_.reserve(expected / 4);
    }

    // True when a contact of the same name and a common phone (or none on both sides) is
    // known; the record is known from then on.
    bool meet(std::string_view record) {
        const auto name = foldedName(record);
        keys_.clear();
        for (const auto field : kPhones) {
            const auto& layout = layoutOf(field);
            if (auto digits = lastTenDigits(record.substr(layout.offset, layout.width));
                !digits.empty()) {
                keys_.push_back(name + '\n' + digits);
            }
        }
        const bool known =
            keys_.empty() ? !withoutPhone_.insert(name).second
                          : std::count_if(keys_.begin(), keys_.end(),
                                          [&](auto& key) { return byPhone_.contains(key); }) > 0;
        byPhone_.insert(keys_.begin(), keys_.end());
        return known;
    }

private:
    static std::string foldedName(std::string_view record) {
        return turkishLower(withoutTrailingBlanks(record.substr(0, fieldWidth(Field::name))));
    }

    std::unordered_set<std::string> byPhone_;
    std::unordered_set<std::string> withoutPhone_;
    std::vector<std::string> keys_;
};

// About how many cards the files hold, to allocate once for them all.
std::size_t cardsIn(std::span<const std::string_view> files) {
    std::size_t cards = 0;
    for (const auto file : files) {
        for (auto at = file.find("BEGIN:VCARD"); at != std::string_view::npos;
             at = file.find("BEGIN:VCARD", at + 1)) {
            ++cards;
        }
    }
    return cards;
}

} // namespace

int roomForContacts(int records) {
    return std::max(0, kMaxPage - 1 - records);
}

ImportPreview previewImport(const BookImage& book, std::span<const std::string_view> files) {
    ImportPreview preview;
    preview.room = roomForContacts(pagesOnDisk(book.bytes().size()));
    const auto cards = cardsIn(files);
    preview.entries.reserve(cards);
    KnownContacts known(static_cast<std::size_t>(book.pageCount()) + cards);
    for (int page = 1; page <= book.pageCount(); ++page) {
        (void)known.meet(book.pageBytes(page));
    }
    for (int file = 0; file < static_cast<int>(files.size()); ++file) {
        const auto skips = readVcards(files[file], [&](const VcardCard& card, int line) {
            auto& entry = preview.entries.emplace_back(
                PreviewEntry{contactFromVcard(card), true, file, line});
            const bool duplicate = known.meet(entry.contact.record.bytes());
            if (duplicate) {
                auto& remarks = entry.contact.remarks;
                remarks.insert(remarks.begin(), {RemarkKind::duplicate, {}, {}});
            }
            entry.ticked = !duplicate && entry.contact.storable();
        });
        for (const auto& skip : skips) {
            preview.skipped.push_back({file, skip});
        }
    }
    return preview;
}

Result<ImportPreview> previewImportFiles(const RecordStore& store,
                                         std::span<const std::filesystem::path> files) {
    auto book = store.readBook();
    if (!book) {
        return book.error();
    }
    std::vector<std::string> contents(files.size());
    std::vector<std::string_view> views;
    std::vector<int> unreadable;
    for (std::size_t k = 0; k < files.size(); ++k) {
        if (auto bytes = readFile(files[k])) {
            contents[k] = std::move(bytes).value();
        } else {
            unreadable.push_back(static_cast<int>(k));
        }
        views.push_back(contents[k]);
    }
    auto preview = previewImport(book.value(), views);
    // An unreadable file reads as empty, which reports "no card": say why instead.
    std::erase_if(preview.skipped, [&](const PreviewSkip& skip) {
        return std::ranges::count(unreadable, skip.file) > 0;
    });
    for (const int file : unreadable) {
        preview.skipped.push_back({file, {0, "dosya okunamadı"}});
    }
    std::ranges::stable_sort(preview.skipped, {}, &PreviewSkip::file);
    return preview;
}

std::string importRefusal(int chosen, int room) {
    return "Rehbere en fazla " + std::to_string(kMaxPage - 1) + " kişi sığar; seçilen " +
           std::to_string(chosen) + " kişiden yalnızca " + std::to_string(room) +
           " tanesine yer var. Hiçbir kişi eklenmedi.";
}

} // namespace marunda

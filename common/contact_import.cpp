#include "common/contact_import.h"

#include "common/file_io.h"
#include "common/import_preview.h"

namespace marunda {

Result<int> addContacts(const RecordStore& store, std::span<const ContactRecord> contacts) {
    // The length of telefon.dat says whether they fit, before a 33 MB book is read for nothing.
    auto held = store.recordCount();
    if (!held) {
        return held.error();
    }
    if (const int room = roomForContacts(held.value());
        static_cast<long long>(contacts.size()) > room) {
        return makeError(ErrorCode::bookFull, std::to_string(room));
    }
    const auto bookFile = store.file(kBookFile);
    auto existed = fileExists(bookFile);
    if (!existed) {
        return existed.error();
    }
    auto image = store.readBook();
    if (!image) {
        return image.error();
    }
    const std::string& old = image.value().bytes();
    const int records = image.value().pageCount();
    if (contacts.empty()) {
        return records + 1;
    }
    // A torn last record goes, as a single new record would overwrite it.
    std::string book = old.substr(0, static_cast<std::size_t>(records) * kRecordSize);
    book.reserve(book.size() + contacts.size() * kRecordSize);
    for (const auto& contact : contacts) {
        book.append(contact.bytes());
    }
    const PreviousContents previous{existed.value(), old};
    if (auto replaced = replaceFile(bookFile, book, &previous); !replaced) {
        return replaced.error();
    }
    const int added = static_cast<int>(contacts.size());
    if (auto counted = store.writeNextPage(counterFor(records + added)); !counted) {
        (void)(existed.value() ? replaceFile(bookFile, old) : removeFile(bookFile));
        return counted.error();
    }
    return records + 1;
}

} // namespace marunda

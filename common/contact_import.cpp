#include "common/contact_import.h"

#include "common/file_io.h"
#include "common/import_preview.h"

namespace marunda {

Result<int> addContacts(const RecordStore& store, std::span<const ContactRecord> contacts) {
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
    const int room = roomForContacts(records);
    if (static_cast<long long>(contacts.size()) > room) {
        return makeError(ErrorCode::bookFull, std::to_string(room));
    }
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

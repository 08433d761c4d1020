#include "core/contact_import.h"

#include "core/file_io.h"
#include "core/import_preview.h"

namespace marunda {

Result<int> addContacts(const RecordStore& store, std::span<const ContactRecord> contacts) {
    auto existed = store.bookExists();
    if (!existed) {
        return existed.error();
    }
    // The length of telefon.dat says whether they fit, before a 33 MB book is read for nothing.
    auto size = store.bookSize();
    if (!size) {
        return size.error();
    }
    const int pages = pagesOnDisk(size.value());
    if (const int room = roomForContacts(pages); static_cast<long long>(contacts.size()) > room) {
        return makeError(ErrorCode::bookFull, std::to_string(room));
    }
    if (contacts.empty()) {
        return pages + 1;
    }
    auto image = store.readBook();
    if (!image) {
        return image.error();
    }
    const std::string& old = image.value().bytes();
    // A torn last record still holds part of a contact: it is completed with blanks and kept.
    std::string book = old;
    book.resize(static_cast<std::size_t>(pages) * kRecordSize, ' ');
    book.reserve(book.size() + contacts.size() * kRecordSize);
    for (const auto& contact : contacts) {
        book.append(contact.bytes());
    }
    const PreviousContents previous{existed.value(), old};
    if (auto replaced = store.replaceBook(book, &previous); !replaced) {
        return replaced.error();
    }
    const int added = static_cast<int>(contacts.size());
    if (auto counted = store.writeNextPage(counterFor(pages + added)); !counted) {
        (void)(existed.value() ? store.replaceBook(old, nullptr) : store.removeBook());
        return counted.error();
    }
    return pages + 1;
}

} // namespace marunda

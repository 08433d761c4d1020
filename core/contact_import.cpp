#include "core/contact_import.h"

#include "core/file_io.h"
#include "core/import_preview.h"

namespace marunda {

Result<int> addContacts(const RecordStore& store, std::span<const ContactRecord> contacts) {
    const auto bookFile = store.file(kBookFile);
    // The length of telefon.dat says whether they fit, before a 33 MB book is read for nothing.
    auto size = fileSize(bookFile);
    if (!size && size.error().code != ErrorCode::notFound) {
        return size.error();
    }
    const int pages = pagesOnDisk(size.valueOr(0));
    if (const int room = roomForContacts(pages); static_cast<long long>(contacts.size()) > room) {
        return makeError(ErrorCode::bookFull, std::to_string(room));
    }
    if (contacts.empty()) {
        return pages + 1;
    }
    auto old = size ? readFile(bookFile) : Result<std::string>(std::string());
    if (!old) {
        return old.error();
    }
    // A torn last record still holds part of a contact: it is completed with blanks and kept.
    std::string book = old.value();
    book.resize(static_cast<std::size_t>(pages) * kRecordSize, ' ');
    book.reserve(book.size() + contacts.size() * kRecordSize);
    for (const auto& contact : contacts) {
        book.append(contact.bytes());
    }
    const PreviousContents previous{size.ok(), old.value()};
    if (auto replaced = replaceFile(bookFile, book, &previous); !replaced) {
        return replaced.error();
    }
    const int added = static_cast<int>(contacts.size());
    if (auto counted = store.writeNextPage(counterFor(pages + added)); !counted) {
        (void)(size ? replaceFile(bookFile, old.value()) : removeFile(bookFile));
        return counted.error();
    }
    return pages + 1;
}

} // namespace marunda

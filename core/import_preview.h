#pragma once

#include "core/book_image.h"
#include "core/export.h"
#include "core/record_store.h"
#include "core/result.h"
#include "core/vcard_mapping.h"
#include "core/vcard_reader.h"

#include <filesystem>
#include <span>
#include <string>
#include <vector>

// What an import of vCard files would do, before anything is written: every card as the record
// it becomes, with its remarks and whether it starts ticked.
namespace marunda {

struct PreviewEntry {
    ImportedContact contact;
    bool ticked = true; // not for a duplicate nor for a contact that cannot be stored as it is
    int file = 0;       // index of its file
    int line = 0;       // where its card begins
};

struct PreviewSkip {
    int file = 0;
    VcardSkip skip;
};

struct ImportPreview {
    std::vector<PreviewEntry> entries;
    std::vector<PreviewSkip> skipped; // broken cards and unreadable files
    int room = 0;                     // how many contacts the book can still take
};

// The contacts a book of `records` records can still take: the next-page counter stops at
// 32767, so the book holds at most 32766.
MARUNDA_CORE_EXPORT int roomForContacts(int records);

// A contact is there already ("zaten var") when the book or an earlier card of the same files
// has the same name, folded by the Turkish rules, and a phone with the same last ten digits; two
// contacts without any phone are the same by their name alone.
MARUNDA_CORE_EXPORT ImportPreview previewImport(const BookImage& book,
                                                std::span<const std::string_view> files);

// The same from the book on disk and the files; a file that cannot be read is a skip at line 0.
MARUNDA_CORE_EXPORT Result<ImportPreview>
previewImportFiles(const RecordStore& store, std::span<const std::filesystem::path> files);

// The message that refuses an import of `chosen` contacts into a book with room for `room`.
MARUNDA_CORE_EXPORT std::string importRefusal(int chosen, int room);

} // namespace marunda

#pragma once

#include "core/book_files.h"
#include "core/contact_record.h"
#include "core/export.h"
#include "core/record_store.h"
#include "core/result.h"

#include <array>
#include <bitset>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The fixed-width text listing of chosen contacts: one header line, an empty line, then one
// line per contact, every column as wide as its record field. Lines are code page 1254 + CR LF.
namespace marunda {

inline constexpr std::string_view kListingExtension = ".txt";
inline constexpr std::size_t kListEntryLength = 30;

// The columns that may follow the name column, in the order they appear.
inline constexpr std::array<Field, kFieldCount - 1> kListingColumns = {
    Field::phone1,   Field::phone2, Field::phone3,   Field::fax,       Field::address,
    Field::birthday, Field::notes,  Field::email1,   Field::email2,    Field::email3,
    Field::icq1,     Field::icq2,   Field::internet, Field::taxOffice, Field::taxNumber,
};

// The header label of a column (UTF-8), e.g. "Telefon 1:".
MARUNDA_CORE_EXPORT std::string_view listingLabel(Field field);

// Which columns the listing shows; the name column is always shown.
class MARUNDA_CORE_EXPORT ListingColumns {
public:
    static ListingColumns all();

    void tick(Field field, bool ticked = true);
    bool ticked(Field field) const;

private:
    std::bitset<kFieldCount> ticked_;
};

// Header and contact lines as code page 1254 bytes, without the line end.
MARUNDA_CORE_EXPORT std::string listingHeaderLine(const ListingColumns& columns);
MARUNDA_CORE_EXPORT std::string listingContactLine(const ContactRecord& record,
                                                   const ListingColumns& columns);

// The whole listing file of `contacts` in the order given.
MARUNDA_CORE_EXPORT std::string listingBytes(const std::vector<ContactRecord>& contacts,
                                             const ListingColumns& columns);

// The listing's file: the folder, a separator unless it ends with one, the name and ".txt".
// Both texts are UTF-8; the separator is the platform's.
MARUNDA_CORE_EXPORT std::filesystem::path listingTarget(std::string_view folder,
                                                        std::string_view name);

// How many pages the listing offers: those before the next-page counter. A counter held at its
// ceiling by a full book still offers the book's last page.
MARUNDA_CORE_EXPORT int listedPageCount(int counter, int records);

// The name list's entries (UTF-8), one per listed page, from one read of the book: each page's
// name up to its first run of five blanks, at most 30 characters. Pages past the end of
// telefon.dat read as blank records, as single page reads do. Leaves the last listed name in
// sirali.tmp.
MARUNDA_CORE_EXPORT Result<std::vector<std::string>> readListEntries(const RecordStore& store);

// Writes the listing of the 1-based `pages` (ascending) from one read of the book. The file is
// composed next to `target` and renamed over it only when whole.
MARUNDA_CORE_EXPORT Result<void> writeListing(const RecordStore& store,
                                              const std::vector<int>& pages,
                                              const ListingColumns& columns,
                                              const std::filesystem::path& target);

} // namespace marunda

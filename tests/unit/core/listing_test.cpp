#include "core/cp1254.h"
#include "core/listing.h"
#include "platform.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace marunda;

namespace {

std::string padded(const std::string& utf8, std::size_t width) {
    auto bytes = encodeCp1254(utf8);
    bytes.resize(width, ' ');
    return bytes;
}

ContactRecord contact(const std::string& name, const std::string& phone1 = {},
                      const std::string& birthday = {}) {
    ContactRecord record;
    record.setText(Field::name, name);
    record.setText(Field::phone1, phone1);
    record.setText(Field::birthday, birthday);
    return record;
}

ListingColumns ticked(std::initializer_list<Field> fields) {
    ListingColumns columns;
    for (const Field field : fields) {
        columns.tick(field);
    }
    return columns;
}

std::string bookOf(std::initializer_list<ContactRecord> records) {
    std::string bytes;
    for (const auto& record : records) {
        bytes += record.bytes();
    }
    return bytes;
}

} // namespace

TEST(Listing, HeaderLineHasEveryTickedLabelAtItsColumnWidth) {
    EXPECT_EQ(listingHeaderLine(ListingColumns{}), padded("İsim:", 50));

    const auto two = listingHeaderLine(ticked({Field::phone1, Field::birthday}));
    EXPECT_EQ(two, padded("İsim:", 50) + padded("Telefon 1:", 30) + padded("Doğumgünü:", 20));
    EXPECT_EQ(two.size(), 100u);

    // All fifteen: each label starts where its field starts in the record.
    const auto all = listingHeaderLine(ListingColumns::all());
    ASSERT_EQ(all.size(), kRecordSize);
    for (const auto& layout : kFieldLayout) {
        EXPECT_EQ(all.substr(layout.offset, layout.width),
                  padded(std::string(listingLabel(layout.field)), layout.width));
    }
    EXPECT_EQ(all.substr(920, 50), padded("Vergi Dairesi:", 50));
}

TEST(Listing, ContactLineKeepsEveryColumnAtFullWidth) {
    auto record = contact("Işıl Öztürk", "0212 555 11 22", "7/12/1970");
    record.setText(Field::taxNumber, "1234567890");

    EXPECT_EQ(listingContactLine(record, ListingColumns{}), padded("Işıl Öztürk", 50));
    EXPECT_EQ(listingContactLine(record, ticked({Field::birthday, Field::phone1})),
              padded("Işıl Öztürk", 50) + padded("0212 555 11 22", 30) + padded("7/12/1970", 20));
    EXPECT_EQ(listingContactLine(record, ticked({Field::taxNumber})),
              padded("Işıl Öztürk", 50) + padded("1234567890", 50));
    EXPECT_EQ(listingContactLine(record, ListingColumns::all()), record.bytes());

    // Fifty Turkish letters fill the name column exactly, one byte each.
    std::string fifty = "Ş";
    for (int i = 0; i < 7; ++i) {
        fifty += "çğıİöşü";
    }
    EXPECT_EQ(listingContactLine(contact(fifty), ListingColumns{}), encodeCp1254(fifty));
}

TEST(Listing, EntryTextStopsAtFiveBlanksOrThirtyCharacters) {
    const struct {
        std::string name;
        std::string entry;
    } cases[] = {
        {"Ali", "Ali"},
        {"", ""},
        {"     Ali", ""},
        {"Ayşe    Kaya", "Ayşe    Kaya"}, // four blanks do not end it
        {"Ayşe     Kaya", "Ayşe"},        // five do
        {std::string(40, 'A'), std::string(30, 'A')},
        {std::string(29, 'B') + " CDEF", std::string(29, 'B') + " "},
        {"ÇĞİÖŞÜçğıöşüÇĞİÖŞÜçğıöşüÇĞİÖŞÜçğıöşü", "ÇĞİÖŞÜçğıöşüÇĞİÖŞÜçğıöşüÇĞİÖŞÜ"},
    };
    TempFolder dir;
    std::string book;
    std::vector<std::string> expected;
    for (const auto& c : cases) {
        book += contact(c.name).bytes();
        expected.push_back(c.entry);
    }
    dir.write("telefon.dat", book);
    dir.write("bilgi.dat", std::to_string(expected.size() + 1) + ",\"17\"\r\n");
    EXPECT_EQ(readListEntries(RecordStore(dir.path())).value(), expected);
}

TEST(Listing, FileHasHeaderEmptyLineAndOneLinePerContact) {
    const auto header = padded("İsim:", 50) + "\r\n\r\n";
    EXPECT_EQ(listingBytes({}, ListingColumns{}), header);
    EXPECT_EQ(listingBytes({contact("Ali"), contact("Veli")}, ListingColumns{}),
              header + padded("Ali", 50) + "\r\n" + padded("Veli", 50) + "\r\n");
}

TEST(Listing, TargetAddsOneSeparatorAndTheExtension) {
    const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));
    struct Case {
        std::string folder;
        std::string name;
        std::string target;
    };
    std::vector<Case> cases = {
        {"/home/ayşe/Belgeler", "liste", "/home/ayşe/Belgeler" + sep + "liste.txt"},
        {"/", "liste", "/liste.txt"},
        {"/home/ayşe/", "", "/home/ayşe/.txt"},
        {"/srv/Büyük Harf", "Döküm 1", "/srv/Büyük Harf" + sep + "Döküm 1.txt"},
    };
    if (kOnWindows) {
        cases.push_back({"c:\\", "liste", "c:\\liste.txt"});
        cases.push_back({"c:\\belgeler", "döküm", "c:\\belgeler\\döküm.txt"});
    }
    for (const auto& c : cases) {
        const auto target = listingTarget(c.folder, c.name).u8string();
        EXPECT_EQ(std::string(target.begin(), target.end()), c.target);
    }
}

TEST(Listing, ListedPagesFollowTheCounter) {
    const struct {
        int counter, records, listed;
    } cases[] = {
        {1, 0, 0},
        {4, 3, 3},
        {4, 10, 3},
        {6, 3, 5},
        {0, 2, 0},
        {kMaxPage, kMaxPage, kMaxPage},
        {kMaxPage, kMaxPage - 1, kMaxPage - 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(listedPageCount(c.counter, c.records), c.listed) << c.counter << " " << c.records;
    }
}

TEST(Listing, EntriesFollowTheCounterAndFallBackToTheBook) {
    TempFolder dir;
    RecordStore store(dir.path());
    dir.write("telefon.dat", bookOf({contact("Ali"), contact("Veli Can     Demir")}));
    dir.write("bilgi.dat", "4,\"17\"\r\n");
    // Page 3 lies past the end of the book and reads as a blank record.
    EXPECT_EQ(readListEntries(store).value(), (std::vector<std::string>{"Ali", "Veli Can", ""}));

    dir.write("bilgi.dat", "2,\"17\"\r\n");
    EXPECT_EQ(readListEntries(store).value(), std::vector<std::string>{"Ali"});

    std::filesystem::remove(dir / "bilgi.dat");
    EXPECT_EQ(readListEntries(store).value().size(), 2u);

    TempFolder empty;
    EXPECT_TRUE(readListEntries(RecordStore(empty.path())).value().empty());
}

TEST(Listing, WriteReplacesTheTargetOnlyWhenWhole) {
    TempFolder dir;
    RecordStore store(dir.path());
    const auto ali = contact("Ali", "111");
    const auto veli = contact("Veli", "222");
    const auto can = contact("Can", "333");
    dir.write("telefon.dat", bookOf({ali, veli, can}));
    dir.write("liste.txt", "old listing");

    const auto columns = ticked({Field::phone1});
    ASSERT_TRUE(writeListing(store, {1, 3, 5}, columns, dir / "liste.txt"));
    EXPECT_EQ(dir.read("liste.txt"),
              listingBytes({ali, can, ContactRecord{}}, columns)); // page 5 is past the end
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);

    // A torn last record reads as its bytes padded with blanks.
    dir.write("telefon.dat", bookOf({ali, veli}) + std::string(can.bytes().substr(0, 55)));
    ASSERT_TRUE(writeListing(store, {3}, columns, dir / "liste.txt"));
    EXPECT_EQ(dir.read("liste.txt"), listingBytes({can}, columns));
    EXPECT_EQ(writeListing(store, {0, 1}, columns, dir / "liste.txt").error().code,
              ErrorCode::outOfRange);

    auto failed = writeListing(store, {1}, columns, dir / "missing" / "liste.txt");
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().code, ErrorCode::unwritable);

    // A read-only listing is not replaced: the old one stays.
    const auto before = dir.read("liste.txt");
    std::filesystem::permissions(dir / "liste.txt", std::filesystem::perms::owner_read);
    EXPECT_FALSE(writeListing(store, {2}, columns, dir / "liste.txt"));
    EXPECT_EQ(dir.read("liste.txt"), before);
}

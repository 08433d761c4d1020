#include "core/book_edits.h"
#include "core/scratch_file.h"
#include "platform.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace marunda;

namespace {

ContactRecord named(const std::string& name) {
    ContactRecord record;
    record.setText(Field::name, name);
    return record;
}

std::string bookOf(std::initializer_list<int> people) {
    std::string bytes;
    for (int person : people) {
        bytes += named("Kişi " + std::to_string(person)).bytes();
    }
    return bytes;
}

std::string counter(int value) {
    return std::to_string(value) + ",\"17\"\r\n";
}

// A folder holding a book of `records` people (Kişi 1 .. Kişi n) and the given counter.
struct Book {
    explicit Book(int records, int next = -1) {
        std::string bytes;
        for (int i = 1; i <= records; ++i) {
            bytes += named("Kişi " + std::to_string(i)).bytes();
        }
        dir.write("telefon.dat", bytes);
        dir.write("bilgi.dat", counter(next < 0 ? records + 1 : next));
    }
    TempFolder dir;
    RecordStore store{dir.path()};
};

} // namespace

TEST(AppendRecord, WritesAtTheCounterAndRaisesIt) {
    Book book(0);
    ASSERT_EQ(appendRecord(book.store, named("Ayşe")).value(), 1);
    ASSERT_EQ(appendRecord(book.store, named("Işıl")).value(), 2);
    EXPECT_EQ(book.dir.read("telefon.dat"),
              std::string(named("Ayşe").bytes()) + std::string(named("Işıl").bytes()));
    EXPECT_EQ(book.dir.read("bilgi.dat"), counter(3));
}

TEST(AppendRecord, RefusesAFullBookBeforeWritingAnything) {
    // A counter of 32767 cannot be raised: page 32767 must stay unwritten.
    Book book(3, kMaxPage);
    const auto before = book.dir.read("telefon.dat");
    auto added = appendRecord(book.store, named("Fazla"));
    ASSERT_FALSE(added);
    EXPECT_EQ(added.error().code, ErrorCode::bookFull);
    EXPECT_EQ(book.dir.read("telefon.dat"), before);
    EXPECT_EQ(book.dir.read("bilgi.dat"), counter(kMaxPage));
}

TEST(AppendRecord, NeverOverwritesARecordNorLeavesAHole) {
    // Counter behind the records (its repair could not be written): the contacts stay.
    Book behind(3, 2);
    ASSERT_EQ(appendRecord(behind.store, named("Yeni")).value(), 4);
    EXPECT_EQ(behind.dir.read("telefon.dat"),
              bookOf({1, 2, 3}) + std::string(named("Yeni").bytes()));
    EXPECT_EQ(behind.dir.read("bilgi.dat"), counter(5));

    // Counter ahead of the records: the new one still follows the last record.
    Book ahead(2, 9);
    ASSERT_EQ(appendRecord(ahead.store, named("Yeni")).value(), 3);
    EXPECT_EQ(ahead.dir.read("telefon.dat").size(), 3 * kRecordSize);
    EXPECT_EQ(ahead.dir.read("bilgi.dat"), counter(4));
}

TEST(AppendRecord, FailsWithoutTheCounterFileAndWritesNothing) {
    Book book(2);
    std::filesystem::remove(book.dir / "bilgi.dat");
    EXPECT_EQ(appendRecord(book.store, named("Yeni")).error().code, ErrorCode::notFound);
    EXPECT_EQ(book.dir.read("telefon.dat"), bookOf({1, 2}));
}

TEST(RewriteRecord, ReplacesThePageInPlaceAndCountsAPageBeyondTheEnd) {
    Book book(3);
    ASSERT_EQ(rewriteRecord(book.store, 2, named("Kişi 2"), named("Değişti")).value(), 2);
    EXPECT_EQ(book.dir.read("telefon.dat"),
              bookOf({1}) + std::string(named("Değişti").bytes()) + bookOf({3}));
    EXPECT_EQ(book.dir.read("bilgi.dat"), counter(4));

    Book empty(0);
    ASSERT_EQ(rewriteRecord(empty.store, 1, ContactRecord{}, named("İlk")).value(), 1);
    EXPECT_EQ(empty.dir.read("telefon.dat"), std::string(named("İlk").bytes()));
    EXPECT_EQ(empty.dir.read("bilgi.dat"), counter(2));

    EXPECT_EQ(rewriteRecord(book.store, 0, {}, named("x")).error().code, ErrorCode::outOfRange);
}

TEST(RewriteRecord, RefusesAPageThatNoLongerHoldsTheRecordItStartedFrom) {
    // Page 2 was deleted meanwhile: Kişi 3 moved up and must not be overwritten.
    Book moved(3);
    ASSERT_TRUE(deletePage(moved.store, 2));
    EXPECT_EQ(rewriteRecord(moved.store, 2, named("Kişi 2"), named("Değişti")).error().code,
              ErrorCode::changed);
    EXPECT_EQ(moved.dir.read("telefon.dat"), bookOf({1, 3}));

    // The empty page of an empty book was filled by a new record meanwhile.
    Book filled(0);
    ASSERT_TRUE(appendRecord(filled.store, named("Yeni")));
    EXPECT_EQ(rewriteRecord(filled.store, 1, ContactRecord{}, named("Eski")).error().code,
              ErrorCode::changed);
    EXPECT_EQ(filled.dir.read("telefon.dat"), std::string(named("Yeni").bytes()));
    EXPECT_EQ(filled.dir.read("bilgi.dat"), counter(2));
}

TEST(DeletePage, MovesLaterPagesUpAndLowersTheCounter) {
    const struct {
        int records;
        int deleted;
        std::string left;
    } cases[] = {
        {5, 3, bookOf({1, 2, 4, 5})},
        {5, 1, bookOf({2, 3, 4, 5})},
        {5, 5, bookOf({1, 2, 3, 4})},
        {1, 1, ""},
    };
    namespace fs = std::filesystem;
    const auto privateBook = fs::perms::owner_read | fs::perms::owner_write;
    for (const auto& c : cases) {
        Book book(c.records);
        book.dir.write("sil.txt", std::string(5000, 'z')); // left by an interrupted deletion
        fs::permissions(book.dir / "telefon.dat", privateBook);
        auto left = deletePage(book.store, c.deleted);
        ASSERT_TRUE(left) << c.deleted;
        EXPECT_EQ(left.value(), c.records - 1);
        EXPECT_EQ(book.dir.read("telefon.dat"), c.left) << c.deleted;
        EXPECT_EQ(book.dir.read("bilgi.dat"), counter(c.records)) << c.deleted;
        EXPECT_FALSE(book.dir.exists("sil.txt"));
        if (!kOnWindows) {
            EXPECT_EQ(fs::status(book.dir / "telefon.dat").permissions(), privateBook);
        }
    }
}

TEST(DeletePage, RefusesPagesThatDoNotExistAndTouchesNothing) {
    for (int page : {0, -1, 4, kMaxPage}) {
        Book book(3);
        auto result = deletePage(book.store, page);
        ASSERT_FALSE(result) << page;
        EXPECT_EQ(result.error().code, ErrorCode::outOfRange);
        EXPECT_EQ(book.dir.read("telefon.dat"), bookOf({1, 2, 3}));
        EXPECT_EQ(book.dir.read("bilgi.dat"), counter(4));
    }
    Book empty(0);
    std::filesystem::remove(empty.dir / "telefon.dat");
    EXPECT_EQ(deletePage(empty.store, 1).error().code, ErrorCode::outOfRange);
    EXPECT_FALSE(empty.dir.exists("telefon.dat"));
}

TEST(DeletePage, KeepsTheBookWhenTheReplacementCannotBeWritten) {
    Book book(3);
    std::filesystem::create_directory(book.dir / "sil.txt");
    book.dir.write("sil.txt/inside", "x"); // a folder in the way of the scratch file
    EXPECT_FALSE(deletePage(book.store, 2));
    EXPECT_EQ(book.dir.read("telefon.dat"), bookOf({1, 2, 3}));
    EXPECT_EQ(book.dir.read("bilgi.dat"), counter(4));
}

TEST(DeletePage, ShowsTheSameContactUnderItsNewPage) {
    const struct {
        int shown;
        int deleted;
        int after;
    } cases[] = {
        {3, 3, 2}, {1, 1, 1}, {5, 5, 4}, {2, 4, 2}, {4, 2, 3}, {1, 3, 1}, {5, 1, 4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pageShownAfterDelete(c.shown, c.deleted), c.after) << c.shown << " " << c.deleted;
    }
}

TEST(ScratchLine, HoldsTheTextInCodePage1254WithALineEnd) {
    TempFolder dir;
    dir.write("sirali.tmp", std::string(100, 'x'));
    ASSERT_TRUE(keepScratchLine(RecordStore(dir.path()), "Işık"));
    EXPECT_EQ(dir.read("sirali.tmp"), "I\xFE\xFDk\r\n");
}

#include "core/book_opening.h"
#include "core/cp1254.h"
#include "core/record_store.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace marunda;

namespace {

const std::string kEmptyCounter = "1,\"17\"\r\n";

std::string filler2000() {
    std::string bytes;
    for (int i = 0; i < 100; ++i) {
        bytes += "kwzdofelpyrxuvajbs\xFDh";
    }
    return bytes;
}

ContactRecord named(const std::string& name) {
    ContactRecord record;
    record.setText(Field::name, name);
    return record;
}

std::string book(int records) {
    std::string bytes;
    for (int i = 1; i <= records; ++i) {
        bytes += std::string(named("Kişi " + std::to_string(i)).bytes());
    }
    return bytes;
}

} // namespace

TEST(RecordStore, FirstRunInAnEmptyFolderCreatesTheThreeFiles) {
    TempFolder dir;
    RecordStore store(dir.path());
    ASSERT_TRUE(store.createDataFiles());
    EXPECT_EQ(dir.read("bilgi.dat"), kEmptyCounter);
    EXPECT_EQ(dir.read("telefon.dat"), "");
    EXPECT_EQ(dir.read("data.dat"), filler2000());
    EXPECT_EQ(dir.read("data.dat").size(), 2000u);
    EXPECT_EQ(store.readNextPage().value(), 1);
    EXPECT_EQ(store.readPage(1).value(), ContactRecord{});
}

TEST(RecordStore, CreationKeepsExistingRecordsAndPassword) {
    TempFolder dir;
    const auto ten = book(10);
    std::string password = filler2000();
    password[0] = '3';
    dir.write("telefon.dat", ten);
    dir.write("data.dat", password);

    RecordStore store(dir.path());
    ASSERT_TRUE(store.createDataFiles());
    EXPECT_EQ(dir.read("telefon.dat"), ten);
    EXPECT_EQ(dir.read("data.dat"), password);
    EXPECT_EQ(dir.read("bilgi.dat"), "11,\"17\"\r\n");
}

TEST(RecordStore, PagesAreWrittenAndReadAtTheirOffsets) {
    TempFolder dir;
    RecordStore store(dir.path());
    ASSERT_TRUE(store.createDataFiles());
    for (int page = 1; page <= 3; ++page) {
        ASSERT_TRUE(store.writePage(page, named("Ayşe " + std::to_string(page))));
    }
    ASSERT_TRUE(store.writeNextPage(4));
    EXPECT_EQ(dir.read("telefon.dat").size(), 3060u);
    EXPECT_EQ(dir.read("bilgi.dat"), "4,\"17\"\r\n");
    EXPECT_EQ(dir.read("telefon.dat").substr(1020, 6), "Ay\xFE"
                                                       "e 2");
    EXPECT_EQ(store.readPage(3).value().text(Field::name).substr(0, 7), "Ayşe 3");
    EXPECT_EQ(store.recordCount().value(), 3);
    EXPECT_EQ(store.readPage(4).value(), ContactRecord{});

    ASSERT_TRUE(store.writePage(2, named("Veli")));
    EXPECT_EQ(store.readPage(2).value(), named("Veli"));
    EXPECT_EQ(store.readPage(3).value(), named("Ayşe 3"));
    EXPECT_EQ(store.readPage(0).error().code, ErrorCode::outOfRange);
}

TEST(RecordStore, ReadsRangesAndTheWholeBookInOneGo) {
    TempFolder dir;
    dir.write("telefon.dat", book(5) + "torn");
    RecordStore store(dir.path());
    const auto first = store.readFirstPages(7).value();
    ASSERT_EQ(first.pageCount(), 7);
    EXPECT_EQ(first.record(4), named("Kişi 4"));
    EXPECT_EQ(first.record(7), ContactRecord{});
    EXPECT_EQ(RecordStore(dir / "nowhere").readFirstPages(2).value().record(2), ContactRecord{});

    const auto image = store.readBook().value();
    ASSERT_EQ(image.pageCount(), 5);
    EXPECT_EQ(image.record(5), named("Kişi 5"));
    EXPECT_EQ(image.fieldBytes(2, Field::name).substr(0, 6), "Ki\xFEi 2");
    EXPECT_EQ(RecordStore(dir / "nowhere").readBook().value().pageCount(), 0);
}

TEST(RecordStore, ReadingAPageCreatesAMissingBook) {
    TempFolder dir;
    RecordStore store(dir.path());
    EXPECT_EQ(store.readPage(1).value(), ContactRecord{});
    EXPECT_TRUE(dir.exists("telefon.dat"));
    EXPECT_EQ(store.recordCount().value(), 0);

    // Reading needs no write access; writing into a write-protected book fails.
    dir.write("telefon.dat", book(2));
    std::filesystem::permissions(dir / "telefon.dat", std::filesystem::perms::owner_read);
    EXPECT_EQ(store.readPage(2).value(), named("Kişi 2"));
    EXPECT_EQ(store.writePage(1, named("x")).error().code, ErrorCode::unwritable);
    EXPECT_EQ(dir.read("telefon.dat"), book(2));
}

TEST(OpenBook, NeverWritesToABookOfThePreviousFormat) {
    const std::string oldBook(3 * 790, 'a');
    struct Case {
        std::string bilgi;
        bool previous;
    };
    for (const auto& [bilgi, previous] : std::vector<Case>{{"4\r\n", true},
                                                           {"4,\"16\"\r\n", true},
                                                           {"4,", true},
                                                           {"4,\"17\"\r\n", false},
                                                           {"garbage", false},
                                                           {"", false}}) {
        TempFolder dir;
        dir.write("telefon.dat", oldBook);
        dir.write("bilgi.dat", bilgi);
        dir.write("data.dat", filler2000());
        auto opened = openBook(RecordStore(dir.path()));
        if (previous) {
            ASSERT_FALSE(opened) << bilgi;
            EXPECT_EQ(opened.error().code, ErrorCode::oldFormat);
            EXPECT_EQ(dir.read("telefon.dat"), oldBook);
            EXPECT_EQ(dir.read("bilgi.dat"), bilgi);
        } else {
            // A counter of this format, or one that is no counter at all, is repaired as ever.
            ASSERT_TRUE(opened) << bilgi;
            EXPECT_EQ(dir.read("telefon.dat").size(), 3 * kRecordSize);
            EXPECT_EQ(dir.read("bilgi.dat"), "4,\"17\"\r\n");
        }
    }
}

TEST(RecordStore, CounterFollowsTheLastRecordUpToTheLastPage) {
    const std::vector<std::pair<int, int>> cases = {
        {0, 1}, {5, 6}, {32766, 32767}, {32767, 32767}, {40000, 32767}};
    for (const auto& [records, counter] : cases) {
        EXPECT_EQ(counterFor(records), counter) << records;
    }
}

TEST(RecordStore, CounterFileContentsAreCheckedBeforeUse) {
    struct Case {
        std::string bytes;
        bool ok;
        int value;
        ErrorCode error;
    };
    const std::vector<Case> cases = {
        {"1,\"17\"\r\n", true, 1, {}},
        {"32767,\"17\"\r\n", true, 32767, {}},
        {"  7 ,\"17\"", true, 7, {}},
        {"-3,\"17\"\r\n", true, -3, {}},
        {"32768,\"17\"\r\n", false, 0, ErrorCode::outOfRange},
        {"99999999999999999999999,\"17\"", false, 0, ErrorCode::outOfRange},
        {"abc,\"17\"\r\n", false, 0, ErrorCode::badFormat},
        {"\"5\",\"17\"\r\n", false, 0, ErrorCode::badFormat},
        {"", false, 0, ErrorCode::badFormat},
        {std::string("\0\0\0", 3), false, 0, ErrorCode::badFormat},
    };
    for (const auto& c : cases) {
        const auto parsed = parseCounter(c.bytes);
        ASSERT_EQ(parsed.ok(), c.ok) << c.bytes;
        if (c.ok) {
            EXPECT_EQ(parsed.value(), c.value) << c.bytes;
        } else {
            EXPECT_EQ(parsed.error().code, c.error) << c.bytes;
        }
    }
}

TEST(RecordStore, ReconcileMakesTheCounterFollowTheRecordsOnDisk) {
    struct Case {
        const char* name;
        std::string counter;
        int records;
        std::string tail; // bytes of a torn record after the whole ones
        int expected;
        std::size_t bookSize;
    };
    const std::vector<Case> cases = {
        {"agreeing", "4,\"17\"\r\n", 3, "", 4, 3060},
        {"interrupted save: record written, counter not raised", "3,\"17\"\r\n", 3, "", 4, 3060},
        {"counter ahead of a shortened book", "9,\"17\"\r\n", 3, "", 4, 3060},
        {"zero counter on an empty book", "0,\"17\"\r\n", 0, "", 1, 0},
        {"negative counter", "-5,\"17\"\r\n", 2, "", 3, 2040},
        {"torn last record is kept and completed", "3,\"17\"\r\n", 2, "Yar\xFDm", 4, 3060},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        dir.write("bilgi.dat", c.counter);
        dir.write("telefon.dat", book(c.records) + c.tail);
        RecordStore store(dir.path());
        const auto counter = store.reconcile();
        ASSERT_TRUE(counter) << c.name;
        EXPECT_EQ(counter.value(), c.expected) << c.name;
        EXPECT_EQ(store.readNextPage().value(), c.expected) << c.name;
        const auto bytes = dir.read("telefon.dat");
        EXPECT_EQ(bytes.size(), c.bookSize) << c.name;
        EXPECT_EQ(bytes.substr(0, c.records * kRecordSize), book(c.records)) << c.name;
        if (!c.tail.empty()) {
            EXPECT_EQ(store.readPage(c.records + 1).value().text(Field::name).substr(0, 6), "Yarım")
                << c.name;
        }
    }
}

TEST(RecordStore, ReconcileLeavesGarbageCountersToCreation) {
    for (const std::string bad : {"x,\"17\"\r\n", "70000,\"17\"\r\n", ""}) {
        TempFolder dir;
        dir.write("bilgi.dat", bad);
        dir.write("telefon.dat", book(2));
        dir.write("data.dat", "keep me");
        RecordStore store(dir.path());
        ASSERT_FALSE(store.reconcile()) << bad;
        EXPECT_EQ(dir.read("bilgi.dat"), bad) << "nothing rewritten before the caller decides";
        ASSERT_TRUE(store.createDataFiles());
        EXPECT_EQ(store.readNextPage().value(), 3);
        EXPECT_EQ(dir.read("telefon.dat"), book(2));
        EXPECT_EQ(dir.read("data.dat"), "keep me");
    }
    TempFolder empty;
    EXPECT_EQ(RecordStore(empty.path()).reconcile().error().code, ErrorCode::notFound);
}

TEST(RecordStore, CounterWritesReplaceTheFileWhole) {
    TempFolder dir;
    RecordStore store(dir.path());
    ASSERT_TRUE(store.writeNextPage(12345));
    EXPECT_EQ(dir.read("bilgi.dat"), "12345,\"17\"\r\n");
    ASSERT_TRUE(store.writeNextPage(2));
    EXPECT_EQ(dir.read("bilgi.dat"), "2,\"17\"\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(RecordStore, UnwritableFolderReportsErrors) {
    TempFolder dir;
    RecordStore store(dir / "missing-folder");
    EXPECT_EQ(store.writeNextPage(1).error().code, ErrorCode::unwritable);
    EXPECT_EQ(store.writePage(1, named("x")).error().code, ErrorCode::unwritable);
    EXPECT_FALSE(store.createDataFiles());
}

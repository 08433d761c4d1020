#include "core/birthday_scan.h"
#include "core/cp1254.h"
#include "core/password_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace marunda;
using namespace std::chrono;

namespace {

struct Person {
    std::string name; // UTF-8
    std::string birthday;
    std::string notes = {}; // right after the birthday field
};

std::string bookBytes(const std::vector<Person>& people) {
    std::string bytes;
    for (const auto& person : people) {
        ContactRecord record;
        record.setText(Field::name, person.name);
        record.setText(Field::birthday, person.birthday);
        record.setText(Field::notes, person.notes);
        bytes += record.bytes();
    }
    return bytes;
}

constexpr year_month_day k7December{year{2026}, December, day{7}};

} // namespace

TEST(BirthdayGreeting, GenitiveEndingFollowsTheLastTwoLetters) {
    const std::pair<const char*, const char*> cases[] = {
        {"Ayşe", "'nin"}, {"Ali", "'nin"},  {"Mehmet", "'in"}, {"Oğuz", "'un"},   {"Gül", "'ün"},
        {"Işık", "'ın"},  {"Türk", "'in"},  {"AHMET", "'in"},  {"Can", "'ın"},    {"Sty", "'in"},
        {"K", "'in"},     {"ALİ", "'in"},   {"", "'in"},       {"Buğra", "'nın"}, {"Kadı", "'nın"},
        {"Doruk", "'un"}, {"Ümmü", "'nün"}, {"Görkö", "'nün"}, {"Ali  ", "'in"},
    };
    for (const auto& [name, ending] : cases) {
        EXPECT_EQ(genitiveEnding(name), ending) << name;
    }
    EXPECT_EQ(personLine("Ayşe"), "      Ayşe'nin");
    EXPECT_EQ(personLine("Ayşe Kaya", "Ayşe K…"), "      Ayşe K…'nın") << "the whole name's ending";
}

TEST(BirthdayScan, GreetsTodaysDayAndMonthInPageOrder) {
    const std::string name46(46, 'y');
    // The book is read in blocks of 1024 records: people on both sides of a block's edge.
    std::vector<Person> large(1100, Person{"Can", "1/1/1990"});
    for (int page : {1, 1024, 1025, 1099, 1100}) {
        large[std::size_t(page - 1)] = {"Sayfa " + std::to_string(page), "7/12/1990"};
    }
    struct Case {
        const char* what;
        std::vector<Person> book;
        int counter; // 0: the number of records + 1
        year_month_day today;
        std::vector<std::string> greeted;
    };
    const Case cases[] = {
        {"the day key is text: 07/12/ is not 7/12/",
         {{"Ayşe", "07/12/1980"}, {"Mehmet", "7/12/1980"}},
         0,
         k7December,
         {"Mehmet"}},
        {"the year plays no part", {{"Oğuz", "7/12/----"}}, 0, k7December, {"Oğuz"}},
        {"three on one day, page order",
         {{"Gül", "7/12/1970"}, {"Can", "8/12/1970"}, {"Işık", "7/12/1999"}, {"Sty", "7/12/----"}},
         0,
         k7December,
         {"Gül", "Işık", "Sty"}},
        {"? or a blank first skips",
         {{"Ali", "?7/12/1980"}, {"Veli", " 7/12/1980"}},
         0,
         k7December,
         {}},
        {"day and month are not swapped", {{"Ali", "12/7/1980"}}, 0, k7December, {}},
        {"a prefix of another day is no match", {{"Ali", "17/12/1980"}}, 0, k7December, {}},
        {"fewer than two / is no match",
         {{"Ali", "7/121980"},
          {"Veli", "7-12-1980"},
          {"Can", "7/12" + std::string(16, ' '), "/1980"}},
         0,
         {year{2026}, December, day{7}},
         {}},
        {"two inner blanks kept, five end the name",
         {{"Ali  Veli", "7/12/1980"}, {"Ali     Veli", "7/12/1980"}},
         0,
         k7December,
         {"Ali  Veli", "Ali"}},
        {"a name of 46 letters keeps its four blanks",
         {{name46, "7/12/1980"}},
         0,
         k7December,
         {name46 + "    "}},
        {"an empty name is greeted empty", {{"", "7/12/1980"}}, 0, k7December, {""}},
        {"pages from the counter on are not read",
         {{"Ali", "7/12/1980"}, {"Veli", "7/12/1980"}},
         2,
         k7December,
         {"Ali"}},
        {"across blocks, up to the counter",
         large,
         1100,
         k7December,
         {"Sayfa 1", "Sayfa 1024", "Sayfa 1025", "Sayfa 1099"}},
        {"counter 1 reads nothing", {{"Ali", "7/12/1980"}}, 1, k7December, {}},
        {"counter past the end of the book", {{"Ali", "7/12/1980"}}, 50, k7December, {"Ali"}},
        {"29 February in a leap year",
         {{"Ali", "29/2/2000"}, {"Veli", "28/2/2001"}},
         0,
         {year{2028}, February, day{29}},
         {"Ali"}},
        {"28 February of a leap year is its own day",
         {{"Ali", "29/2/2000"}, {"Veli", "28/2/2001"}},
         0,
         {year{2028}, February, day{28}},
         {"Veli"}},
        {"29 February greeted on the 28th of a common year",
         {{"Ali", "29/2/2000"}, {"Veli", "28/2/2001"}},
         0,
         {year{2026}, February, day{28}},
         {"Ali", "Veli"}},
        {"nor on 1 March", {{"Ali", "29/2/2000"}}, 0, {year{2026}, March, day{1}}, {}},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const std::string book = bookBytes(c.book);
        const std::string counter =
            counterFileBytes(c.counter ? c.counter : static_cast<int>(c.book.size()) + 1);
        folder.write(kBookFile, book);
        folder.write(kCounterFile, counter);
        const auto names = scanBirthdays(RecordStore(folder.path()), c.today);
        ASSERT_TRUE(names.ok()) << c.what;
        EXPECT_EQ(names.value(), c.greeted) << c.what;
        // The reminder only reads the book.
        EXPECT_EQ(folder.read(kBookFile), book) << c.what;
        EXPECT_EQ(folder.read(kCounterFile), counter) << c.what;
        EXPECT_FALSE(folder.exists(kPasswordFile)) << c.what;
    }
}

TEST(BirthdayScan, MissingOrBrokenFiles) {
    struct Case {
        const char* what;
        std::optional<std::string> counter;
        std::optional<std::string> book;
        bool ok;
    };
    const Case cases[] = {
        {"no bilgi.dat", std::nullopt, bookBytes({{"Ali", "7/12/1980"}}), false},
        {"bilgi.dat not a counter", "abc\r\n", bookBytes({{"Ali", "7/12/1980"}}), false},
        {"no telefon.dat: created empty, nobody greeted", counterFileBytes(5), std::nullopt, true},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        if (c.counter) {
            folder.write(kCounterFile, *c.counter);
        }
        if (c.book) {
            folder.write(kBookFile, *c.book);
        }
        const auto names = scanBirthdays(RecordStore(folder.path()), k7December);
        EXPECT_EQ(names.ok(), c.ok) << c.what;
        if (names.ok()) {
            EXPECT_TRUE(names.value().empty()) << c.what;
        }
        EXPECT_EQ(folder.exists(kBookFile), c.ok || c.book.has_value()) << c.what;
        EXPECT_EQ(folder.exists(kCounterFile), c.counter.has_value()) << c.what;
    }
}

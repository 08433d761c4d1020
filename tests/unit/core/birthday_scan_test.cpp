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

TEST(UpcomingBirthdays, DaysAheadWithDatesAndAges) {
    struct Expected {
        std::string name;
        year_month_day date;
        int daysLeft;
        std::optional<int> age;
    };
    constexpr year_month_day k28December{year{2026}, December, day{28}};
    struct Case {
        const char* what;
        std::vector<Person> book;
        year_month_day today;
        int daysAhead;
        std::vector<Expected> upcoming;
    };
    const Case cases[] = {
        {"the year's end wraps, with next year's age",
         {{"Ocak", "4/1/2000"},
          {"Aralık", "31/12/1990"},
          {"Geç", "5/1/2000"},
          {"Dün", "27/12/1990"}},
         k28December,
         7,
         {{"Aralık", {year{2026}, December, day{31}}, 3, 36},
          {"Ocak", {year{2027}, January, day{4}}, 7, 27}}},
        {"by days left, then page",
         {{"B", "9/12/1980"}, {"A", "7/12/----"}, {"C", "9/12/1970"}},
         k7December,
         2,
         {{"A", k7December, 0, std::nullopt},
          {"B", {year{2026}, December, day{9}}, 2, 46},
          {"C", {year{2026}, December, day{9}}, 2, 56}}},
        {"29 February on the 28th of a common year",
         {{"Artık", "29/2/2000"}},
         {year{2027}, February, day{20}},
         10,
         {{"Artık", {year{2027}, February, day{28}}, 8, 27}}},
        {"29 February on its day in a leap year, not on the 28th",
         {{"Artık", "29/2/2000"}},
         {year{2028}, February, day{27}},
         5,
         {{"Artık", {year{2028}, February, day{29}}, 2, 28}}},
        {"no year, or not four digits, no age; born later or that year, no age",
         {{"A", "8/12/----"}, {"B", "8/12/19x0"}, {"C", "8/12/2100"}, {"D", "8/12/2026"}},
         k7December,
         1,
         {{"A", {year{2026}, December, day{8}}, 1, std::nullopt},
          {"B", {year{2026}, December, day{8}}, 1, std::nullopt},
          {"C", {year{2026}, December, day{8}}, 1, std::nullopt},
          {"D", {year{2026}, December, day{8}}, 1, std::nullopt}}},
        {"forms that do not count",
         {{"Sıfır", "08/12/1980"},
          {"Soru", "?8/12/1980"},
          {"Boşluk", " 8/12/1980"},
          {"Eğik", "8/121980"},
          {"Ay", "8/13/1980"},
          {"Gün", "32/12/1980"},
          {"Sıfırıncı", "0/12/1980"},
          {"Artı", "+8/12/1980"},
          {"Yok", "31/11/1980"},
          {"Boş", ""}},
         k7December,
         60,
         {}},
        {"N = 0 is today alone",
         {{"A", "7/12/1980"}, {"B", "8/12/1980"}},
         k7December,
         0,
         {{"A", k7December, 0, 46}}},
        {"beyond 60 days is cut",
         {{"A", "5/2/1980"}, {"B", "6/2/1980"}},
         k7December,
         365,
         {{"A", {year{2027}, February, day{5}}, 60, 47}}},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        folder.write(kBookFile, bookBytes(c.book));
        folder.write(kCounterFile, counterFileBytes(static_cast<int>(c.book.size()) + 1));
        const RecordStore store(folder.path());
        const auto found = upcomingBirthdays(store, c.today, c.daysAhead);
        ASSERT_TRUE(found.ok()) << c.what;
        ASSERT_EQ(found.value().size(), c.upcoming.size()) << c.what;
        for (std::size_t i = 0; i < c.upcoming.size(); ++i) {
            const auto& got = found.value()[i];
            const auto& want = c.upcoming[i];
            EXPECT_EQ(got.name, want.name) << c.what;
            EXPECT_EQ(got.date, want.date) << c.what << " " << want.name;
            EXPECT_EQ(got.daysLeft, want.daysLeft) << c.what << " " << want.name;
            EXPECT_EQ(got.age, want.age) << c.what << " " << want.name;
        }
        // Today's part is the greeting's set, in its order.
        std::vector<std::string> today;
        for (const auto& upcoming : found.value()) {
            if (upcoming.daysLeft == 0) {
                today.push_back(upcoming.name);
            }
        }
        EXPECT_EQ(scanBirthdays(store, c.today).value(), today) << c.what;
    }
}

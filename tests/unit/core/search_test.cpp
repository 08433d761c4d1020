#include "core/cp1254.h"
#include "core/phone_text.h"
#include "core/search.h"
#include "core/turkish_case.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace marunda;

namespace {

struct Contact {
    std::string name;
    std::string phone1;
    std::string phone2;
    std::string phone3;
};

std::string bookBytes(const std::vector<Contact>& contacts) {
    std::string bytes;
    for (const auto& c : contacts) {
        ContactRecord record;
        record.setText(Field::name, c.name);
        record.setText(Field::phone1, c.phone1);
        record.setText(Field::phone2, c.phone2);
        record.setText(Field::phone3, c.phone3);
        bytes += record.bytes();
    }
    return bytes;
}

BookImage bookOf(const std::vector<Contact>& contacts) {
    return BookImage(bookBytes(contacts));
}

// page and matched field of each row
std::vector<std::pair<int, Field>> hits(const BookImage& book, SearchKind kind,
                                        const std::string& text) {
    std::vector<std::pair<int, Field>> out;
    for (const auto& row : searchBook(book, {kind, text})) {
        out.emplace_back(row.page, row.phoneField);
    }
    return out;
}

std::string lowerUtf8(const std::string& utf8) {
    return decodeCp1254(turkishLower(encodeCp1254(utf8)));
}

} // namespace

TEST(TurkishCase, LowersByTheTurkishRules) {
    const std::pair<std::string, std::string> cases[] = {
        {"I", "ı"},
        {"İ", "i"},
        {"ı", "ı"},
        {"i", "i"},
        {"ÇĞÖŞÜ", "çğöşü"},
        {"çğöşü", "çğöşü"},
        {"ABCXYZ abcxyz", "abcxyz abcxyz"},
        {"ISPARTA İZMİR", "ısparta izmir"},
        {"ÀÉÑÂÎ", "àéñâî"},
        {"ŠŒŸ", "šœÿ"},
        {"0212-555 (12) ×/ß", "0212-555 (12) ×/ß"},
    };
    for (const auto& [upper, lower] : cases) {
        EXPECT_EQ(lowerUtf8(upper), lower) << upper;
    }
}

TEST(TurkishCase, EveryByteLowersToAFormThatStaysPut) {
    for (int b = 0; b < 256; ++b) {
        const auto once = turkishLower(static_cast<unsigned char>(b));
        EXPECT_EQ(turkishLower(once), once) << b;
    }
}

TEST(PhoneText, CompactFormDropsOnlyBlanks) {
    EXPECT_EQ(compactPhone("0212 555 12 34"), "02125551234");
    EXPECT_EQ(compactPhone("  (0212) 555-12-34   "), "(0212)555-12-34");
    EXPECT_EQ(compactPhone("ç ş\t1"), "çş\t1");
    EXPECT_EQ(compactPhone("     "), "");
}

TEST(Search, NameIsACaseFoldedPrefix) {
    const auto book = bookOf({
        {"Ayşe Kaya", "1", "", ""},
        {"AYŞE KAYA", "2", "", ""},
        {"Kaya Ayşe", "3", "", ""},
        {"IŞIK Ali", "4", "", ""},
        {"İsmail Işık", "5", "", ""},
        {std::string(50, 'Z'), "6", "", ""},
    });
    const std::pair<std::string, std::vector<int>> cases[] = {
        {"ayş", {1, 2}},
        {"AYŞE K", {1, 2}},
        {"ayşe ", {1, 2}},
        {"aysE", {}},
        {"kaya", {3}},
        {"ışık", {4}},
        {"işık", {}},    // I folds to ı, not to i
        {"İSMAİL", {5}}, // İ folds to i
        {"ismail ı", {5}},
        {"", {1, 2, 3, 4, 5, 6}},
        {std::string(50, 'z'), {6}},
        {std::string(51, 'z'), {}},
        {"Ayşe😀", {}}, // no such character can be stored
    };
    for (const auto& [text, pages] : cases) {
        std::vector<std::pair<int, Field>> expected;
        for (int page : pages) {
            expected.emplace_back(page, Field::phone1);
        }
        EXPECT_EQ(hits(book, SearchKind::name, text), expected) << text;
    }
}

TEST(Search, PhoneIsABlankInsensitiveWholeFieldMatch) {
    const auto book = bookOf({
        {"A", "02125551234", "", ""},
        {"B", "0212 5551234", "0212-555-12-34", ""},
        {"C", "0212-555-12-34", "5551234", "1234"},
        {"D", "0212 555 12 34", "1", "02125551234"},
    });
    using P = std::vector<std::pair<int, Field>>;
    const std::pair<std::string, P> cases[] = {
        {"0212 555 12 34",
         {{1, Field::phone1}, {2, Field::phone1}, {4, Field::phone1}, {4, Field::phone3}}},
        {"  02125551234 ",
         {{1, Field::phone1}, {2, Field::phone1}, {4, Field::phone1}, {4, Field::phone3}}},
        {"0212-555-12-34", {{2, Field::phone2}, {3, Field::phone1}}},
        {"555 1234", {{3, Field::phone2}}}, // no substring or prefix match
        {"5551", {}},
        {"", {{1, Field::phone2}, {1, Field::phone3}, {2, Field::phone3}}},
        {"   ", {{1, Field::phone2}, {1, Field::phone3}, {2, Field::phone3}}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(hits(book, SearchKind::phone, text), expected) << text;
    }
}

TEST(Search, RowsCarryTheFieldsAtTheirFullWidth) {
    const auto book = bookOf({{"Gülşen Öztürk", "1", "0532 111", "2"}});
    const auto rows = searchBook(book, {SearchKind::phone, "0532111"});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].page, 1);
    EXPECT_EQ(rows[0].name, "Gülşen Öztürk" + std::string(37, ' '));
    EXPECT_EQ(rows[0].phone, "0532 111" + std::string(22, ' '));

    const auto byName = searchBook(book, {SearchKind::name, "gül"});
    ASSERT_EQ(byName.size(), 1u);
    EXPECT_EQ(byName[0].phone, "1" + std::string(29, ' ')); // phone1 in a name search
}

TEST(Search, ScansWholeRecordsOnlyAndReportsProgressInSteps) {
    std::vector<Contact> many(2500, Contact{"Ali", "1", "", ""});
    const BookImage book(bookBytes(many) + "Ali torn record");
    std::vector<std::pair<int, int>> reports;
    const auto rows = searchBook(book, {SearchKind::name, "ali"},
                                 [&](int done, int total) { reports.emplace_back(done, total); });
    EXPECT_EQ(rows.size(), 2500u);
    EXPECT_EQ(rows.back().page, 2500);
    const std::vector<std::pair<int, int>> expected = {{1024, 2500}, {2048, 2500}, {2500, 2500}};
    EXPECT_EQ(reports, expected);
}

TEST(SearchStore, ReadsTheBookAndLeavesThePhoneQueryInTheScratchFile) {
    TempFolder dir;
    dir.write("telefon.dat", bookBytes({{"Ayşe Kaya", "0212 555", "", ""}, {"Ali", "", "", ""}}));
    RecordStore store(dir.path());

    auto byName = searchStore(store, {SearchKind::name, "ayş"});
    ASSERT_TRUE(byName);
    EXPECT_EQ(byName.value().recordCount, 2);
    EXPECT_EQ(byName.value().rows.size(), 1u);
    EXPECT_FALSE(dir.exists("sirali.tmp")); // a name search does not use it

    dir.write("sirali.tmp", std::string(400, 'x') + "\r\n"); // a longer earlier line
    auto byPhone = searchStore(store, {SearchKind::phone, "0212 555 ş"});
    ASSERT_TRUE(byPhone);
    EXPECT_TRUE(byPhone.value().rows.empty());
    EXPECT_EQ(dir.read("sirali.tmp"), "0212 555 \xFE\r\n");
}

TEST(SearchStore, MissingBookIsCreatedEmptyAndUnreadableBookIsAnError) {
    TempFolder dir;
    RecordStore store(dir.path());
    auto empty = searchStore(store, {SearchKind::name, ""});
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty.value().recordCount, 0);
    EXPECT_TRUE(empty.value().rows.empty());
    ASSERT_TRUE(dir.exists("telefon.dat"));
    EXPECT_EQ(dir.read("telefon.dat"), "");
    EXPECT_TRUE(searchStore(RecordStore(dir / "nowhere"), {SearchKind::name, ""}));

    TempFolder other;
    std::filesystem::create_directory(other / "telefon.dat");
    auto failed = searchStore(RecordStore(other.path()), {SearchKind::phone, "1"});
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().code, ErrorCode::unreadable);
    EXPECT_FALSE(other.exists("sirali.tmp")); // nothing searched, nothing written
}

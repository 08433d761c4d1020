#include "core/delimited_text.h"

#include <gtest/gtest.h>

using namespace marunda;

TEST(DelimitedText, ReadsItemsFromTrickyInput) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> items;
    };
    const std::vector<Case> cases = {
        {"counter line", "1,\"17\"\r\n", {"1", "17"}},
        {"comma inside quotes", "\"1.8\",\"a, b\",\"c\"\r\n", {"1.8", "a, b", "c"}},
        {"items on separate lines", "\"x\"\r\n\"y\"\r\n3\r\n", {"x", "y", "3"}},
        {"blanks before items", "  12 ,   \"q\"", {"12", "q"}},
        {"bare number kept as written", "1.80,007", {"1.80", "007"}},
        {"unterminated quote ends at text end", "\"abc,def", {"abc,def"}},
        {"text after closing quote ignored", "\"ab\"cd,9", {"ab", "9"}},
        {"empty items", ",,", {"", ""}},
        {"LF line ends", "a\nb\n", {"a", "b"}},
        {"empty text", "", {}},
        {"binary garbage", std::string("\0\xFF\"", 3), {std::string("\0\xFF\"", 3)}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> got;
        for (const auto& item : readDelimitedItems(c.text)) {
            got.push_back(item.text);
        }
        EXPECT_EQ(got, c.items) << c.name;
    }
}

TEST(DelimitedText, MarksQuotedItemsAndStopsAtTheLimit) {
    const auto items = readDelimitedItems("5,\"x\",7,8", 2);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_FALSE(items[0].quoted);
    EXPECT_TRUE(items[1].quoted);
}

TEST(DelimitedText, ReportsFewerItemsThanAsked) {
    auto two = readDelimited("\"1.8\",\"8.12.2026\"\r\n", 3);
    ASSERT_FALSE(two);
    EXPECT_EQ(two.error().code, ErrorCode::fewerItems);
    auto three = readDelimited("\"1.8\",\"8.12.2026\",\"Yeni\"\r\n", 3);
    ASSERT_TRUE(three);
    EXPECT_EQ(three.value()[2], "Yeni");
}

TEST(DelimitedText, WritesALineThatReadsBack) {
    const auto line = delimitedLine({"42", quotedItem("a, b")});
    EXPECT_EQ(line, "42,\"a, b\"\r\n");
    auto items = readDelimited(line, 2);
    ASSERT_TRUE(items);
    EXPECT_EQ(items.value(), (std::vector<std::string>{"42", "a, b"}));
}

#include "core/page_number.h"

#include <gtest/gtest.h>

#include <limits>

using namespace marunda;

TEST(PageNumber, ReadsTheLeadingNumberAndMarksFractions) {
    const struct {
        const char* text;
        long long value;
        bool fraction;
    } cases[] = {
        {"4", 4, false},
        {"  12", 12, false},
        {"12abc", 12, false},
        {"+3", 3, false},
        {"-3", -3, false},
        {"0", 0, false},
        {"", 0, false},
        {"abc", 0, false},
        {"a4", 0, false},
        {"2.5", 2, true},
        {"2,5", 2, true},
        {"2.05", 2, true},
        {"2.0", 2, false},
        {"2.", 2, false},
        {".5", 0, true},
        {"99999999999999999999999", std::numeric_limits<long long>::max(), false},
    };
    for (const auto& c : cases) {
        const auto number = readPageNumber(c.text);
        EXPECT_EQ(number.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(number.fraction, c.fraction) << '"' << c.text << '"';
    }
}

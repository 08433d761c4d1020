#include "core/page_navigation.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace marunda;

TEST(PageNavigation, CommandsStayWithinTheBook) {
    struct Case {
        int displayed;
        int counter;
        std::optional<int> previous, next, last;
    };
    const std::vector<Case> cases = {
        {1, 1, std::nullopt, std::nullopt, std::nullopt}, // an empty book
        {1, 2, std::nullopt, std::nullopt, 1},
        {1, 5, std::nullopt, 2, 4},
        {3, 5, 2, 4, 4},
        {4, 5, 3, std::nullopt, 4},
        {9, 5, 8, std::nullopt, 4}, // the book shrank under the displayed page
    };
    for (const auto& c : cases) {
        EXPECT_EQ(previousPage(c.displayed), c.previous) << c.displayed << "/" << c.counter;
        EXPECT_EQ(nextPage(c.displayed, c.counter), c.next) << c.displayed << "/" << c.counter;
        EXPECT_EQ(lastPage(c.counter), c.last) << c.counter;
    }
}

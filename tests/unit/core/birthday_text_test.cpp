#include "core/birthday_text.h"

#include <gtest/gtest.h>

using namespace marunda;

namespace {

const std::optional<int> none;

std::string field(const std::string& text) {
    return text + std::string(20 - text.size(), ' ');
}

} // namespace

TEST(BirthdayText, ComposesTheThreeFormsAndRefusesAMissingDayOrMonth) {
    const struct {
        BirthdayChoice choice;
        std::optional<std::string> text;
    } cases[] = {
        {{7, 12, 1970}, "7/12/1970"},     {{31, 1, none}, "31/1/----"},
        {{1, 1, 1901}, "1/1/1901"},       {{31, 12, 2100}, "31/12/2100"},
        {{none, none, none}, ""},         {{none, none, 1970}, std::nullopt},
        {{none, 12, 1970}, std::nullopt}, {{7, none, none}, std::nullopt},
        {{7, none, 1970}, std::nullopt},  {{none, 12, none}, std::nullopt},
        {{0, 12, 1970}, std::nullopt},    {{7, 13, none}, std::nullopt},
        {{7, 12, 1900}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(composeBirthday(c.choice), c.text)
            << c.choice.day.value_or(-1) << "/" << c.choice.month.value_or(-1) << "/"
            << c.choice.year.value_or(-1);
    }
}

TEST(BirthdayText, ParsesStoredFormsAndGivesNoChoiceForWhatDoesNotParse) {
    const struct {
        std::string text;
        BirthdayChoice choice;
    } cases[] = {
        {field("7/12/1970"), {7, 12, 1970}},
        {field("31/1/----"), {31, 1, none}},
        {"31/12/2100", {31, 12, 2100}},
        {field(""), {}},
        {"", {}},
        {" ", {}},
        {"  7/12/1970", {}},
        {field("garbage"), {}},
        {"7", {}},
        {"7/", {7, none, none}},
        {"7/12", {7, none, none}},
        {"7/12/", {7, 12, none}},
        {field("7/12/3000"), {7, 12, none}},
        {field("7/12/1900"), {7, 12, none}},
        {field("7/12/19701"), {7, 12, none}},
        {field("32/13/1970"), {none, none, 1970}},
        {field("0/0/1970"), {none, none, 1970}},
        {field("-/-/----"), {}},
        {field("x7/12/1970"), {none, 12, 1970}},
        {field("07/09/1970"), {7, 9, 1970}},
        {field("7/12/1970/5"), {7, 12, none}},
        {field("99999999999/1/1970"), {none, 1, 1970}},
        {"7/12/1970 trailing words", {7, 12, 1970}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseBirthday(c.text), c.choice) << '"' << c.text << '"';
    }
}

TEST(BirthdayText, EveryChoiceOfTheListsReadsBackAsItWasChosen) {
    for (int day = 1; day <= 31; ++day) {
        for (int month = 1; month <= 12; ++month) {
            for (int year = kFirstBirthYear - 1; year <= kLastBirthYear; ++year) {
                const BirthdayChoice chosen{
                    day, month, year < kFirstBirthYear ? std::nullopt : std::optional(year)};
                const auto text = composeBirthday(chosen);
                ASSERT_TRUE(text);
                ASSERT_LE(text->size(), 20u);
                ASSERT_EQ(parseBirthday(field(*text)), chosen) << *text;
            }
        }
    }
}

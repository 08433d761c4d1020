#include "core/vcard_date.h"

#include <algorithm>
#include <charconv>

namespace marunda {

namespace {

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int number(std::string_view digits) {
    int value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// "MM-DD", "MMDD" or "MM" after the year or the leading "--".
std::optional<BirthdayChoice> monthAndDay(std::string_view text, std::optional<int> year) {
    if (text.size() == 5 && text[2] == '-') {
        const auto month = text.substr(0, 2);
        const auto day = text.substr(3);
        if (!allDigits(month) || !allDigits(day)) {
            return std::nullopt;
        }
        return BirthdayChoice{number(day), number(month), year};
    }
    if (text.size() == 4 && allDigits(text)) {
        return BirthdayChoice{number(text.substr(2)), number(text.substr(0, 2)), year};
    }
    if (text.size() == 2 && allDigits(text)) {
        return BirthdayChoice{std::nullopt, number(text), year};
    }
    return std::nullopt;
}

// At least two digits, from `at` on; returns the end.
char* putTwoDigits(char* at, int value) {
    if (value < 10) {
        *at++ = '0';
    }
    return std::to_chars(at, at + 11, value).ptr;
}

} // namespace

std::optional<BirthdayChoice> parseVcardDate(std::string_view value) {
    const auto first = value.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    value = value.substr(first);
    value = value.substr(0, std::min(value.find_first_of("Tt \t"), value.size()));
    if (value.starts_with("---")) {
        const auto day = value.substr(3);
        return day.size() == 2 && allDigits(day)
                   ? std::optional(BirthdayChoice{number(day), std::nullopt, std::nullopt})
                   : std::nullopt;
    }
    if (value.starts_with("--")) {
        return monthAndDay(value.substr(2), std::nullopt);
    }
    const auto year = value.substr(0, 4);
    if (year.size() < 4 || !allDigits(year)) {
        return std::nullopt;
    }
    auto rest = value.substr(4);
    if (rest.empty()) {
        return BirthdayChoice{std::nullopt, std::nullopt, number(year)};
    }
    if (rest.starts_with('-')) {
        rest.remove_prefix(1);
        if (rest.size() != 2 && rest.size() != 5) {
            return std::nullopt;
        }
    } else if (rest.size() != 4) {
        return std::nullopt;
    }
    return monthAndDay(rest, number(year));
}

std::string vcardDate(const BirthdayChoice& choice) {
    // Made in place: an export writes one for every birthday of a full book.
    char text[40];
    char* end = text;
    if (choice.year) {
        end = std::to_chars(end, end + 11, *choice.year).ptr;
        *end++ = '-';
        end = putTwoDigits(end, choice.month.value_or(1));
        *end++ = '-';
    } else {
        end = std::copy_n("--", 2, end);
        end = putTwoDigits(end, choice.month.value_or(1));
    }
    end = putTwoDigits(end, choice.day.value_or(1));
    return std::string(text, end);
}

} // namespace marunda

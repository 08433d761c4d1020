#include "core/birthday_text.h"

#include <algorithm>
#include <charconv>

namespace marunda {

namespace {

std::optional<int> numberIn(std::string_view digits, int low, int high) {
    if (digits.empty() || digits.size() > 4) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

bool inRange(const std::optional<int>& part, int low, int high) {
    return !part || (*part >= low && *part <= high);
}

} // namespace

std::optional<std::string> composeBirthday(const BirthdayChoice& choice) {
    if (!choice.day && !choice.month && !choice.year) {
        return std::string();
    }
    if (!choice.day || !choice.month || !inRange(choice.day, 1, 31) ||
        !inRange(choice.month, 1, 12) || !inRange(choice.year, kFirstBirthYear, kLastBirthYear)) {
        return std::nullopt;
    }
    // Made in place: an export checks every birthday of a full book against this form.
    char text[16];
    char* end = std::to_chars(text, text + 2, *choice.day).ptr;
    *end++ = '/';
    end = std::to_chars(end, end + 2, *choice.month).ptr;
    *end++ = '/';
    if (choice.year) {
        end = std::to_chars(end, end + 4, *choice.year).ptr;
    } else {
        end = std::copy_n("----", 4, end);
    }
    return std::string(text, end);
}

BirthdayChoice parseBirthday(std::string_view text) {
    BirthdayChoice choice;
    const auto firstSlash = text.find('/');
    if (text.starts_with("  ") || firstSlash == std::string_view::npos) {
        return choice;
    }
    choice.day = numberIn(text.substr(0, firstSlash), 1, 31);
    const auto rest = text.substr(firstSlash + 1);
    const auto secondSlash = rest.find('/');
    if (secondSlash == std::string_view::npos) {
        return choice;
    }
    choice.month = numberIn(rest.substr(0, secondSlash), 1, 12);
    const auto yearText = rest.substr(secondSlash + 1);
    choice.year = numberIn(yearText.substr(0, yearText.find(' ')), kFirstBirthYear, kLastBirthYear);
    return choice;
}

} // namespace marunda

#pragma once

#include "core/export.h"

#include <optional>
#include <string>
#include <string_view>

// The birthday field: day/month/year (7/12/1970), day/month/---- (31/1/----) or empty; no blanks,
// no leading zeros. Day 1-31, month 1-12, year 1901-2100, as the choice lists offer them.
namespace marunda {

inline constexpr int kFirstBirthYear = 1901;
inline constexpr int kLastBirthYear = 2100;

struct BirthdayChoice {
    std::optional<int> day;
    std::optional<int> month;
    std::optional<int> year;

    bool operator==(const BirthdayChoice&) const = default;
};

// The stored text, or nothing when it cannot be saved: a year or month chosen without a day, a
// day without a month, or a part outside its range.
MARUNDA_CORE_EXPORT std::optional<std::string> composeBirthday(const BirthdayChoice& choice);

// The choices that a stored text (full width, trailing blanks included) stands for. Reads only
// within the text; a part that is missing, not a number or outside its range gives no choice.
MARUNDA_CORE_EXPORT BirthdayChoice parseBirthday(std::string_view text);

} // namespace marunda

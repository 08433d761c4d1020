#pragma once

#include "core/export.h"
#include "core/record_store.h"
#include "core/result.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Who has a birthday today or in the days ahead: the reminder's scans over the book and the texts
// of its greeting.
namespace marunda {

// The name as greeted: the stored name (code page 1254) up to its first run of five blanks,
// in UTF-8.
MARUNDA_CORE_EXPORT std::string displayName(std::string_view storedName);

// "'nin", "'ın" and the rest, chosen by the last two characters of a UTF-8 display name; only
// the eight lower-case vowels count as vowels.
MARUNDA_CORE_EXPORT std::string genitiveEnding(std::string_view displayName);

// The greeting line of one person: six blanks, the name and its ending.
MARUNDA_CORE_EXPORT std::string personLine(std::string_view displayName);
// The same with only `shown` of the name (its beginning ended with "…", where the line must be
// cut), followed by the ending of the whole name.
MARUNDA_CORE_EXPORT std::string personLine(std::string_view displayName, std::string_view shown);
// The line that stands for `count` people whose lines did not fit, indented as a person's.
MARUNDA_CORE_EXPORT std::string othersLine(int count);

// The longest look ahead the upcoming list offers, in days.
inline constexpr int kMaxDaysAhead = 60;

// A birthday within the days ahead: on `date` (this time round), `daysLeft` days after today.
struct UpcomingBirthday {
    int page = 0;
    std::string name; // as greeted
    std::chrono::year_month_day date;
    int daysLeft = 0;
    std::optional<int> age; // the age reached then; none without a year, or before the first
};

// The birthdays of pages 1 to counter - 1 from `today` to `daysAhead` days later (0 to
// kMaxDaysAhead; beyond is cut), by days left and then page. A day counts as the greeting counts
// it: the stored text up to its second "/" must read day "/" month "/" exactly, and 29 February
// falls on the 28th in a common year. The age needs a year of four digits after the day key.
// The book is read as by scanBirthdays.
MARUNDA_CORE_EXPORT Result<std::vector<UpcomingBirthday>>
upcomingBirthdays(const RecordStore& store, std::chrono::year_month_day today, int daysAhead);

// The display names of pages 1 to counter - 1 whose birthday is greeted today, in page order:
// the counter from bilgi.dat, then those pages of telefon.dat from one opening, in large blocks.
// A torn last record counts as Telefon shows it, completed with blanks, even past the counter.
// An unreadable bilgi.dat or telefon.dat is an error; a missing telefon.dat is created empty, as
// every reader of the book does. Nothing else is written.
MARUNDA_CORE_EXPORT Result<std::vector<std::string>>
scanBirthdays(const RecordStore& store, std::chrono::year_month_day today);

} // namespace marunda

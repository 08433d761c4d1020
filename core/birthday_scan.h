#pragma once

#include "core/record_store.h"
#include "core/result.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Who has a birthday today: the reminder's scan over the book and the texts of its greeting.
namespace marunda {

// A day as its key is written: day "/" month "/", decimal without leading zeros ("7/12/").
std::string dayKey(unsigned day, unsigned month);

// The stored birthday up to and including its second "/", looked for within the field only.
// None when the field begins with a blank or "?", or holds fewer than two "/".
std::optional<std::string_view> recordDayKey(std::string_view birthday);

// The keys greeted on `today`: its own, and in a year without 29 February, 29/2/ on the 28th,
// so that such a birthday is not passed over three years in four.
std::vector<std::string> greetedKeys(std::chrono::year_month_day today);

// The name as greeted: the stored name (code page 1254) up to its first run of five blanks,
// in UTF-8.
std::string displayName(std::string_view storedName);

// "'nin", "'ın" and the rest, chosen by the last two characters of a UTF-8 display name; only
// the eight lower-case vowels count as vowels.
std::string genitiveEnding(std::string_view displayName);

// The greeting line of one person: six blanks, the name and its ending.
std::string personLine(std::string_view displayName);
// The same with only `shown` of the name (its beginning ended with "…", where the line must be
// cut), followed by the ending of the whole name.
std::string personLine(std::string_view displayName, std::string_view shown);
// The line that stands for `count` people whose lines did not fit, indented as a person's.
std::string othersLine(int count);

// The display names of pages 1 to counter - 1 whose birthday is greeted today, in page order:
// the counter from bilgi.dat, then those pages of telefon.dat from one opening, in large blocks.
// A torn last record counts as Telefon shows it, completed with blanks, even past the counter.
// An unreadable bilgi.dat or telefon.dat is an error; a missing telefon.dat is created empty, as
// every reader of the book does. Nothing else is written.
Result<std::vector<std::string>> scanBirthdays(const RecordStore& store,
                                               std::chrono::year_month_day today);

} // namespace marunda

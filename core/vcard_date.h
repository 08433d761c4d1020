#pragma once

#include "core/birthday_text.h"
#include "core/export.h"

#include <optional>
#include <string>
#include <string_view>

// Dates as vCards write birthdays: 1970-12-07 and 19701207 (2.1, 3.0, 4.0), --1207 and --12-07
// without a year (4.0, and Google's 3.0), ---07 (a day alone), 1970-12 and 1970 (4.0), each
// perhaps followed by a time after "T".
namespace marunda {

// The parts the text names, or nothing when it is no such date. Parts are not range-checked.
MARUNDA_CORE_EXPORT std::optional<BirthdayChoice> parseVcardDate(std::string_view value);

// The date of a storable choice: 1970-12-07, or --1207 without a year.
MARUNDA_CORE_EXPORT std::string vcardDate(const BirthdayChoice& choice);

} // namespace marunda

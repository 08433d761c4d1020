#pragma once

#include "core/export.h"

#include <string_view>

namespace marunda {

// A page number as the user typed it: its leading decimal number (after leading blanks and an
// optional sign); a text that does not begin with one has the value 0. A decimal separator
// followed by a digit other than 0 marks a fraction, which names no page (2.5 no, 2.0 is 2).
struct PageNumber {
    long long value = 0; // the whole part, clamped to the range of a long long
    bool fraction = false;
};

MARUNDA_CORE_EXPORT PageNumber readPageNumber(std::string_view text);

} // namespace marunda

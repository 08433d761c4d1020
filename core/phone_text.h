#pragma once

#include "core/export.h"

#include <string>
#include <string_view>

namespace marunda {

// A phone number with every blank (U+0020) removed, the other characters kept in order; how
// numbers are compared by the search and copied to the clipboard. Works on UTF-8 and on code
// page 1254 alike, as neither uses the byte 0x20 inside a character.
MARUNDA_CORE_EXPORT std::string compactPhone(std::string_view text);
// The digits of a phone number without anything else, at most its last ten: "0 (212) 555 01 01"
// and "+90 212 555 0101" give the same. How the import tells a contact it knows already.
MARUNDA_CORE_EXPORT std::string lastTenDigits(std::string_view text);

} // namespace marunda

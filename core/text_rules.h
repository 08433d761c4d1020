#pragma once

#include "core/contact_record.h"
#include "core/export.h"

#include <string>
#include <string_view>

namespace marunda {

// The blanks in a row that end a field's text.
inline constexpr std::size_t kBlankRunLength = 5;

// The bare text of a displayed field: up to, not including, the first run of five blanks that
// ends within the text (ICQ numbers: the first blank), and at most the field's width in
// characters. Works on UTF-8 as displayed; a shorter run of trailing blanks is kept.
MARUNDA_CORE_EXPORT std::string blankRunCopy(std::string_view text, Field field);
// A stored field without the blanks that pad it to its width.
MARUNDA_CORE_EXPORT std::string withoutTrailingBlanks(std::string_view text);
MARUNDA_CORE_EXPORT std::string_view trailingBlanksCut(std::string_view text);

} // namespace marunda

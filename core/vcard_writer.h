#pragma once

#include "core/vcard_card.h"

#include <string>

// Writing vCard 3.0 as every phone reads it: UTF-8, CR LF, each line folded before 75 octets
// and never inside a character. Values are written as the card holds them, escapes included.
namespace marunda {

inline constexpr std::size_t kVcardLineOctets = 75;

// BEGIN, VERSION:3.0, the card's properties (its own version is not written), END.
void appendVcard(std::string& out, const VcardCard& card);

} // namespace marunda

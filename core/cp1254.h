#pragma once

#include "core/export.h"

#include <optional>
#include <string>
#include <string_view>

// Code page 1254 (Turkish) <-> Unicode. In memory text is UTF-8; files hold one byte a character.
namespace marunda {

// Every byte has a character: the five the code page leaves undefined map to U+0081 etc.
MARUNDA_CORE_EXPORT char32_t cp1254ToUnicode(unsigned char byte);
MARUNDA_CORE_EXPORT std::optional<unsigned char> unicodeToCp1254(char32_t ch);

MARUNDA_CORE_EXPORT std::string decodeCp1254(std::string_view bytes);
// The same decoded into `buffer`, which grows as needed, so that one buffer serves many fields;
// valid until the buffer is used again.
MARUNDA_CORE_EXPORT std::string_view decodeCp1254(std::string_view bytes, std::string& buffer);
// Characters the code page cannot hold become "?".
MARUNDA_CORE_EXPORT std::string encodeCp1254(std::string_view utf8);
MARUNDA_CORE_EXPORT bool fitsCp1254(std::string_view utf8);
// The first character that the code page cannot hold, if any.
MARUNDA_CORE_EXPORT std::optional<char32_t> firstOutsideCp1254(std::string_view utf8);

// UTF-8 helpers; malformed sequences decode to U+FFFD.
MARUNDA_CORE_EXPORT bool
isUtf8(std::string_view bytes); // well formed: no malformed sequence anywhere
MARUNDA_CORE_EXPORT std::u32string utf8ToUtf32(std::string_view utf8);
MARUNDA_CORE_EXPORT std::string utf32ToUtf8(std::u32string_view text);
MARUNDA_CORE_EXPORT void appendUtf8(std::string& out, char32_t ch);

} // namespace marunda

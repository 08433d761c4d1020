#pragma once

#include "core/export.h"

#include <string>
#include <string_view>

// Lower case by the Turkish rules on code page 1254 bytes: I -> ı and İ -> i, the other
// capitals (Ç Ğ Ö Ş Ü and the rest of the code page's letters) to their small forms. Bytes
// that are not capital letters stay as they are. One table lookup a byte keeps a scan fast.
namespace marunda {

MARUNDA_CORE_EXPORT unsigned char turkishLower(unsigned char cp1254);
MARUNDA_CORE_EXPORT std::string turkishLower(std::string_view cp1254);

} // namespace marunda

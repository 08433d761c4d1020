#pragma once

#include "core/export.h"
#include "core/result.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The comma/quote text of bilgi.dat, update.upd and the installation logs: items separated by
// commas or line ends, strings in double quotes (which may hold commas), numbers bare.
namespace marunda {

struct DelimitedItem {
    std::string text; // as written in the file (bytes), without the quotes
    bool quoted = false;
};

// Reads up to maxItems items. Never reads past the text and never fails: garbage gives items
// that are garbage, a text that ends early gives fewer items.
MARUNDA_CORE_EXPORT std::vector<DelimitedItem>
readDelimitedItems(std::string_view text, std::size_t maxItems = static_cast<std::size_t>(-1));

// Exactly the first `count` items, or ErrorCode::fewerItems.
MARUNDA_CORE_EXPORT Result<std::vector<std::string>> readDelimited(std::string_view text,
                                                                   std::size_t count);

// The folder an installation log names: a quoted first item whole, without its quotes; an
// unquoted one, as installers wrote it, is the whole first line, commas included, without the
// blanks around it. Empty when the log names none.
MARUNDA_CORE_EXPORT std::string logFolderItem(std::string_view text);

MARUNDA_CORE_EXPORT std::string quotedItem(std::string_view text);
// Joins already formatted items (numbers bare, strings through quotedItem) into one CR LF line.
MARUNDA_CORE_EXPORT std::string delimitedLine(const std::vector<std::string>& items);

} // namespace marunda

#pragma once

#include "core/export.h"

#include <optional>

// Where the page commands of the main window lead, from the displayed page and the next-page
// counter read afresh; nullopt where the command stays on its page.
namespace marunda {

// The book ends at page counter - 1; a displayed page past it (the book shrank meanwhile) counts
// as the last page. A counter of 1 is an empty book.
MARUNDA_CORE_EXPORT std::optional<int> previousPage(int displayed);
MARUNDA_CORE_EXPORT std::optional<int> nextPage(int displayed, int counter);
MARUNDA_CORE_EXPORT std::optional<int> lastPage(int counter);

} // namespace marunda

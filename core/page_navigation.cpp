#include "core/page_navigation.h"

namespace marunda {

std::optional<int> previousPage(int displayed) {
    return displayed > 1 ? std::optional(displayed - 1) : std::nullopt;
}

std::optional<int> nextPage(int displayed, int counter) {
    return counter > 1 && displayed < counter - 1 ? std::optional(displayed + 1) : std::nullopt;
}

std::optional<int> lastPage(int counter) {
    return counter > 1 ? std::optional(counter - 1) : std::nullopt;
}

} // namespace marunda

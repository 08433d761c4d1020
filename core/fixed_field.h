#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace marunda {

// Puts `bytes` into the fixed-width field of `width` bytes at `field` in a record of the data
// files: cut to the width, the rest filled with blanks.
inline void putFixedField(char* field, std::size_t width, std::string_view bytes) {
    const auto kept = std::min(bytes.size(), width);
    std::copy_n(bytes.begin(), kept, field);
    std::fill(field + kept, field + width, ' ');
}

} // namespace marunda

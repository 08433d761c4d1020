#include "common/phone_text.h"

#include <algorithm>

namespace marunda {

std::string compactPhone(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(out),
                 [](char c) { return c != ' '; });
    return out;
}

} // namespace marunda

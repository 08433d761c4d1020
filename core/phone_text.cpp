#include "core/phone_text.h"

#include <algorithm>

namespace marunda {

std::string compactPhone(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(out),
                 [](char c) { return c != ' '; });
    return out;
}

std::string lastTenDigits(std::string_view text) {
    std::string digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits),
                 [](char c) { return c >= '0' && c <= '9'; });
    return digits.size() > 10 ? digits.substr(digits.size() - 10) : digits;
}

} // namespace marunda

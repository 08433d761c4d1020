#include "core/page_number.h"

#include <limits>

namespace marunda {

namespace {

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

} // namespace

PageNumber readPageNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    PageNumber number;
    constexpr auto kMost = std::numeric_limits<long long>::max();
    for (; at < text.size() && isDigit(text[at]); ++at) {
        const int digit = text[at] - '0';
        number.value = number.value > (kMost - digit) / 10 ? kMost : number.value * 10 + digit;
    }
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        for (++at; at < text.size() && isDigit(text[at]); ++at) {
            number.fraction = number.fraction || text[at] != '0';
        }
    }
    if (negative) {
        number.value = -number.value;
    }
    return number;
}

} // namespace marunda

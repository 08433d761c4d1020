#include "core/text_rules.h"

#include "core/cp1254.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace marunda {

namespace {

bool stopsAtSingleBlank(Field field) {
    return field == Field::icq1 || field == Field::icq2;
}

// Positions past the end of the text count as not blank.
bool blankRunAt(std::u32string_view text, std::size_t at, std::size_t run) {
    if (at + run > text.size()) {
        return false;
    }
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(at),
                       text.begin() + static_cast<std::ptrdiff_t>(at + run),
                       [](char32_t ch) { return ch == U' '; });
}

} // namespace

std::string blankRunCopy(std::string_view text, Field field) {
    const auto characters = utf8ToUtf32(text);
    const auto run = stopsAtSingleBlank(field) ? 1 : kBlankRunLength;
    const auto bound = std::min(characters.size(), fieldWidth(field));
    std::size_t end = 0;
    while (end < bound && !blankRunAt(characters, end, run)) {
        ++end;
    }
    return utf32ToUtf8(std::u32string_view(characters).substr(0, end));
}

std::string withoutTrailingBlanks(std::string_view text) {
    return std::string(trailingBlanksCut(text));
}

std::string_view trailingBlanksCut(std::string_view text) {
    // Stored fields are mostly padding: it is passed 32 blanks, then eight, at a time.
    constexpr std::uint64_t kBlanks = 0x2020202020202020;
    // The bits in which eight bytes from `at` on differ from blanks.
    const auto offBlanks = [&](std::size_t at) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + at, sizeof word);
        return word ^ kBlanks;
    };
    std::size_t end = text.size();
    while (end >= 32 && (offBlanks(end - 32) | offBlanks(end - 24) | offBlanks(end - 16) |
                         offBlanks(end - 8)) == 0) {
        end -= 32;
    }
    while (end >= 8 && offBlanks(end - 8) == 0) {
        end -= 8;
    }
    while (end > 0 && text[end - 1] == ' ') {
        --end;
    }
    return text.substr(0, end);
}

} // namespace marunda

#include "core/birthday_scan.h"

#include "core/cp1254.h"
#include "core/file_io.h"
#include "core/text_rules.h"

#include <algorithm>
#include <string>

namespace marunda {
namespace {

struct EndingRule {
    char32_t vowels[2];
    const char* afterVowel;
    const char* afterConsonant;
};

// In the order the letters are tested: a e ı i o ö u ü, paired by the ending they take.
constexpr EndingRule kEndings[] = {
    {{U'a', U'ı'}, "'nın", "'ın"},
    {{U'e', U'i'}, "'nin", "'in"},
    {{U'o', U'u'}, "'nun", "'un"},
    {{U'ö', U'ü'}, "'nün", "'ün"},
};

const EndingRule* ruleFor(char32_t letter) {
    for (const auto& rule : kEndings) {
        if (letter == rule.vowels[0] || letter == rule.vowels[1]) {
            return &rule;
        }
    }
    return nullptr;
}

// Before each person's line of the greeting.
const std::string kPersonIndent(6, ' ');

// A block of telefon.dat read whole; records fill it from its start.
constexpr int kScanBlockPages = 1024;

void appendBirthdayNames(const BookImage& book, int lastPage, const std::vector<std::string>& keys,
                         std::vector<std::string>& names) {
    const int last = std::min(lastPage, book.pageCount());
    for (int page = 1; page <= last; ++page) {
        const auto key = recordDayKey(book.fieldBytes(page, Field::birthday));
        if (key && std::find(keys.begin(), keys.end(), *key) != keys.end()) {
            names.push_back(displayName(book.fieldBytes(page, Field::name)));
        }
    }
}

} // namespace

std::string dayKey(unsigned day, unsigned month) {
    return std::to_string(day) + "/" + std::to_string(month) + "/";
}

std::optional<std::string_view> recordDayKey(std::string_view birthday) {
    if (birthday.empty() || birthday[0] == ' ' || birthday[0] == '?') {
        return std::nullopt;
    }
    const auto first = birthday.find('/');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const auto second = birthday.find('/', first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    return birthday.substr(0, second + 1);
}

std::vector<std::string> greetedKeys(std::chrono::year_month_day today) {
    using namespace std::chrono;
    const auto day = static_cast<unsigned>(today.day());
    const auto month = static_cast<unsigned>(today.month());
    std::vector<std::string> keys{dayKey(day, month)};
    if (today.month() == February && day == 28 && !today.year().is_leap()) {
        keys.push_back(dayKey(29, 2));
    }
    return keys;
}

std::string displayName(std::string_view storedName) {
    return blankRunCopy(decodeCp1254(storedName), Field::name);
}

std::string genitiveEnding(std::string_view displayName) {
    const auto letters = utf8ToUtf32(displayName);
    if (letters.empty()) {
        return kEndings[1].afterConsonant;
    }
    if (const auto* rule = ruleFor(letters.back())) {
        return rule->afterVowel;
    }
    if (letters.size() >= 2) {
        if (const auto* rule = ruleFor(letters[letters.size() - 2])) {
            return rule->afterConsonant;
        }
    }
    return kEndings[1].afterConsonant;
}

std::string personLine(std::string_view displayName) {
    return personLine(displayName, displayName);
}

std::string personLine(std::string_view displayName, std::string_view shown) {
    return kPersonIndent + std::string(shown) + genitiveEnding(displayName);
}

std::string othersLine(int count) {
    return kPersonIndent + "ve " + std::to_string(count) + " kişi daha";
}

Result<std::vector<std::string>> scanBirthdays(const RecordStore& store,
                                               std::chrono::year_month_day today) {
    auto counter = store.readNextPage();
    if (!counter) {
        return counter.error();
    }
    int lastPage = counter.value() - 1;
    // A torn last record (an interrupted save) is greeted as Telefon's start-up counts and shows
    // it: completed with blanks, however far the counter lags behind it. Only in memory.
    if (const auto size = store.bookSize().valueOr(0); size % kRecordSize != 0) {
        lastPage = std::max(lastPage, pagesOnDisk(size));
    }
    std::vector<std::string> names;
    const auto keys = greetedKeys(today);
    auto read = store.scanBook(lastPage, kScanBlockPages, [&](const BookImage& block) {
        appendBirthdayNames(block, kMaxPage, keys, names);
    });
    if (!read) {
        return read.error();
    }
    return names;
}

} // namespace marunda

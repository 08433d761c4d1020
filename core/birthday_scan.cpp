#include "core/birthday_scan.h"

#include "core/cp1254.h"
#include "core/file_io.h"
#include "core/text_rules.h"

#include <algorithm>
#include <array>
#include <climits>
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

// Days left until each day and month of the window, -1 outside it. In a common year 29 February
// is greeted with the 28th, so that such a birthday is not passed over three years in four.
class DaysWindow {
public:
    DaysWindow(std::chrono::year_month_day today, int daysAhead) {
        using namespace std::chrono;
        for (auto& month : left_) {
            month.fill(-1);
        }
        const sys_days first{today};
        for (int offset = 0; offset <= daysAhead; ++offset) {
            const year_month_day date{first + days{offset}};
            const auto month = static_cast<unsigned>(date.month());
            const auto day = static_cast<unsigned>(date.day());
            dates_.push_back(date);
            left_[month][day] = offset;
            if (month == 2 && day == 28 && !date.year().is_leap()) {
                left_[2][29] = offset;
            }
        }
    }
    int daysLeft(unsigned day, unsigned month) const { return left_[month][day]; }
    std::chrono::year_month_day date(int daysLeft) const { return dates_[std::size_t(daysLeft)]; }

private:
    std::array<std::array<int, 32>, 13> left_{};
    std::vector<std::chrono::year_month_day> dates_;
};

// A part of a day key as the editing forms write it: one or two digits, no leading zero.
std::optional<unsigned> keyNumber(std::string_view text) {
    if (text.empty() || text.size() > 2 || text[0] == '0') {
        return std::nullopt;
    }
    unsigned value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + unsigned(c - '0');
    }
    return value;
}

// Four digits right after the day key, up to the field's end or a blank.
std::optional<int> birthYear(std::string_view rest) {
    const auto year = rest.substr(0, rest.find(' '));
    if (year.size() != 4 ||
        !std::all_of(year.begin(), year.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::stoi(std::string(year));
}

// The birthdays in the window among the pages of a block whose first page is `firstPage`.
void appendUpcoming(const BookImage& block, int firstPage, const DaysWindow& window,
                    std::vector<UpcomingBirthday>& found) {
    for (int index = 1; index <= block.pageCount(); ++index) {
        const auto birthday = block.fieldBytes(index, Field::birthday);
        const auto key = recordDayKey(birthday);
        if (!key) {
            continue;
        }
        const auto slash = key->find('/');
        const auto day = keyNumber(key->substr(0, slash));
        const auto month = keyNumber(key->substr(slash + 1, key->size() - slash - 2));
        if (!day || !month || *day > 31 || *month > 12) {
            continue;
        }
        const int left = window.daysLeft(*day, *month);
        if (left < 0) {
            continue;
        }
        UpcomingBirthday upcoming{firstPage + index - 1,
                                  displayName(block.fieldBytes(index, Field::name)),
                                  window.date(left), left, std::nullopt};
        const auto year = birthYear(birthday.substr(key->size()));
        const int reached = static_cast<int>(upcoming.date.year()) - year.value_or(INT_MAX);
        if (year && reached > 0) {
            upcoming.age = reached;
        }
        found.push_back(std::move(upcoming));
    }
}

} // namespace

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

Result<std::vector<UpcomingBirthday>>
upcomingBirthdays(const RecordStore& store, std::chrono::year_month_day today, int daysAhead) {
    auto counter = store.readNextPage();
    if (!counter) {
        return counter.error();
    }
    int lastPage = counter.value() - 1;
    // A torn last record (an interrupted save) counts as Telefon's start-up counts and shows it:
    // completed with blanks, however far the counter lags behind it. Only in memory.
    if (const auto size = fileSize(store.file(kBookFile)).valueOr(0); size % kRecordSize != 0) {
        lastPage = std::max(lastPage, pagesOnDisk(size));
    }
    const DaysWindow window(today, std::clamp(daysAhead, 0, kMaxDaysAhead));
    std::vector<UpcomingBirthday> found;
    int firstPage = 1;
    auto read = store.scanBook(lastPage, kScanBlockPages, [&](const BookImage& block) {
        appendUpcoming(block, firstPage, window, found);
        firstPage += block.pageCount();
    });
    if (!read) {
        return read.error();
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.daysLeft < b.daysLeft; });
    return found;
}

Result<std::vector<std::string>> scanBirthdays(const RecordStore& store,
                                               std::chrono::year_month_day today) {
    auto found = upcomingBirthdays(store, today, 0);
    if (!found) {
        return found.error();
    }
    std::vector<std::string> names;
    for (auto& birthday : found.value()) {
        names.push_back(std::move(birthday.name));
    }
    return names;
}

} // namespace marunda

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

// The day key as the editing forms write it, day "/" month "/" ("7/12/"): one or two digits
// each, without a leading zero. Nothing else is one: a blank or "?" first, a missing "/", 07/12/.
struct DayKey {
    unsigned day;
    unsigned month;
    std::size_t length;
};

std::optional<unsigned> keyNumber(std::string_view text, std::size_t& at) {
    const auto digit = [&](std::size_t i) {
        return i < text.size() && text[i] >= '0' && text[i] <= '9';
    };
    if (!digit(at) || text[at] == '0') {
        return std::nullopt;
    }
    unsigned value = unsigned(text[at++] - '0');
    if (digit(at)) {
        value = value * 10 + unsigned(text[at++] - '0');
    }
    if (at >= text.size() || text[at] != '/') {
        return std::nullopt;
    }
    ++at;
    return value;
}

std::optional<DayKey> readDayKey(std::string_view birthday) {
    std::size_t at = 0;
    const auto day = keyNumber(birthday, at);
    if (!day) {
        return std::nullopt;
    }
    const auto month = keyNumber(birthday, at);
    if (!month || *day > 31 || *month > 12) {
        return std::nullopt;
    }
    return DayKey{*day, *month, at};
}

// Four digits right after the day key, up to the field's end or a blank.
std::optional<int> birthYear(std::string_view rest) {
    const auto year = rest.substr(0, rest.find(' '));
    if (year.size() != 4) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : year) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// The birthdays in the window among the pages of a block whose first page is `firstPage`.
void appendUpcoming(const BookImage& block, int firstPage, const DaysWindow& window,
                    std::vector<UpcomingBirthday>& found) {
    for (int index = 1; index <= block.pageCount(); ++index) {
        const auto birthday = block.fieldBytes(index, Field::birthday);
        const auto key = readDayKey(birthday);
        const int left = key ? window.daysLeft(key->day, key->month) : -1;
        if (left < 0) {
            continue;
        }
        UpcomingBirthday upcoming{firstPage + index - 1,
                                  displayName(block.fieldBytes(index, Field::name)),
                                  window.date(left), left, std::nullopt};
        const auto year = birthYear(birthday.substr(key->length));
        const int reached = static_cast<int>(upcoming.date.year()) - year.value_or(INT_MAX);
        if (year && reached > 0) {
            upcoming.age = reached;
        }
        found.push_back(std::move(upcoming));
    }
}

// By days left, keeping the page order within a day: counted out, not compared.
std::vector<UpcomingBirthday> byDaysLeft(std::vector<UpcomingBirthday> found) {
    std::array<std::size_t, kMaxDaysAhead + 2> start{};
    for (const auto& birthday : found) {
        ++start[std::size_t(birthday.daysLeft) + 1];
    }
    for (std::size_t day = 1; day < start.size(); ++day) {
        start[day] += start[day - 1];
    }
    std::vector<UpcomingBirthday> sorted(found.size());
    for (auto& birthday : found) {
        sorted[start[std::size_t(birthday.daysLeft)]++] = std::move(birthday);
    }
    return sorted;
}

} // namespace

std::string displayName(std::string_view storedName) {
    // blankRunCopy's rule on the bytes: code page 1254 has one byte a letter, so that only the
    // name itself is decoded.
    const auto run = storedName.find(std::string_view("     ", kBlankRunLength));
    return decodeCp1254(storedName.substr(0, std::min(run, fieldWidth(Field::name))));
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
    if (const auto size = store.bookSize().valueOr(0); size % kRecordSize != 0) {
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
    return byDaysLeft(std::move(found));
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

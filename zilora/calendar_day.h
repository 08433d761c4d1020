#pragma once

#include <QDate>

#include <chrono>

// Qt's dates and the core's calendar days.
namespace marunda::zilora {

inline std::chrono::year_month_day calendarDay(QDate date) {
    return std::chrono::year_month_day{std::chrono::year{date.year()},
                                       std::chrono::month{unsigned(date.month())},
                                       std::chrono::day{unsigned(date.day())}};
}

inline QDate qDate(std::chrono::year_month_day day) {
    return {int(day.year()), int(unsigned(day.month())), int(unsigned(day.day()))};
}

} // namespace marunda::zilora

#include "core/birthday_scan.h"
#include "full_book.h"

#include <benchmark/benchmark.h>

using namespace marunda;

// Zilora's whole scan at start-up: bilgi.dat, then telefon.dat from one opening in blocks, every
// day key compared and the names built (one record in 84 is born on 5 January). Compare with
// BM_ReadFileFloor.
static void BM_BirthdayScan(benchmark::State& state) {
    const auto store = FullBook::instance().store();
    const std::chrono::year_month_day today{std::chrono::year{2026}, std::chrono::January,
                                            std::chrono::day{5}};
    std::size_t names = 0;
    for (auto _ : state) {
        names = scanBirthdays(store, today).value().size();
        benchmark::DoNotOptimize(names);
    }
    state.counters["names"] = static_cast<double>(names);
}
BENCHMARK(BM_BirthdayScan)->Unit(benchmark::kMillisecond);

// The upcoming list over the whole book: the longest look ahead (60 days from 28 December, across
// the year's end), each record's day placed in the window, dates, days left and ages of those in
// it (about one record in six), sorted. Compare with BM_ReadFileFloor.
static void BM_UpcomingBirthdays(benchmark::State& state) {
    const auto store = FullBook::instance().store();
    const std::chrono::year_month_day today{std::chrono::year{2026}, std::chrono::December,
                                            std::chrono::day{28}};
    std::size_t found = 0;
    for (auto _ : state) {
        found = upcomingBirthdays(store, today, kMaxDaysAhead).value().size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_UpcomingBirthdays)->Unit(benchmark::kMillisecond);

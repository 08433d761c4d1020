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

#include "core/search.h"
#include "full_book.h"

#include <benchmark/benchmark.h>

using namespace marunda;

// Each search is the whole operation: telefon.dat read once, every record tested, rows built.
// Compare with BM_ReadFileFloor.
static void runSearch(benchmark::State& state, SearchKind kind, const char* text) {
    const auto store = FullBook::instance().store();
    std::size_t rows = 0;
    for (auto _ : state) {
        auto outcome = searchStore(store, {kind, text}, [](int, int) {});
        rows = outcome.value().rows.size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// One name in eight begins so.
static void BM_NameSearch(benchmark::State& state) {
    runSearch(state, SearchKind::name, "ayş");
}
BENCHMARK(BM_NameSearch)->Unit(benchmark::kMillisecond);

// The empty prefix lists every record: the most rows a name search can give.
static void BM_NameSearchEveryRecord(benchmark::State& state) {
    runSearch(state, SearchKind::name, "");
}
BENCHMARK(BM_NameSearchEveryRecord)->Unit(benchmark::kMillisecond);

// One record's phone1, typed with other blanks.
static void BM_PhoneSearch(benchmark::State& state) {
    runSearch(state, SearchKind::phone, "0212 10 16 384");
}
BENCHMARK(BM_PhoneSearch)->Unit(benchmark::kMillisecond);

// Every record's blank phone3.
static void BM_PhoneSearchEveryRecord(benchmark::State& state) {
    runSearch(state, SearchKind::phone, "");
}
BENCHMARK(BM_PhoneSearchEveryRecord)->Unit(benchmark::kMillisecond);

#include "core/file_io.h"
#include "full_book.h"

#include <benchmark/benchmark.h>

using namespace marunda;

// The floor: the whole file into memory in one read.
static void BM_ReadFileFloor(benchmark::State& state) {
    const auto path = FullBook::instance().folder() / kBookFile;
    for (auto _ : state) {
        benchmark::DoNotOptimize(readFile(path).value().size());
    }
}
BENCHMARK(BM_ReadFileFloor)->Unit(benchmark::kMillisecond);

static void BM_ReadBookImage(benchmark::State& state) {
    const auto store = FullBook::instance().store();
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.readBook().value().pageCount());
    }
}
BENCHMARK(BM_ReadBookImage)->Unit(benchmark::kMillisecond);

// The record-by-record way: one open, read and close per page.
static void BM_ReadEveryPageOneByOne(benchmark::State& state) {
    const auto store = FullBook::instance().store();
    for (auto _ : state) {
        std::size_t blanks = 0;
        for (int page = 1; page <= kMaxPage; ++page) {
            blanks += store.readPage(page).value().bytes()[49] == ' ';
        }
        benchmark::DoNotOptimize(blanks);
    }
}
BENCHMARK(BM_ReadEveryPageOneByOne)->Unit(benchmark::kMillisecond);

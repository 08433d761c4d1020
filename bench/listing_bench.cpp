#include "core/file_io.h"
#include "core/listing.h"
#include "full_book.h"

#include <benchmark/benchmark.h>

using namespace marunda;

// The name list of the listing window: one read of the book, one cut per name.
static void BM_ListingNameEntries(benchmark::State& state) {
    const auto store = FullBook::instance().store();
    for (auto _ : state) {
        benchmark::DoNotOptimize(readListEntries(store).value().size());
    }
}
BENCHMARK(BM_ListingNameEntries)->Unit(benchmark::kMillisecond);

// The floor of a listing: the book read once and its bytes written once through a replacement.
static void BM_ListingFloorReadAndWrite(benchmark::State& state) {
    const auto& book = FullBook::instance();
    const auto target = book.folder() / "floor.txt";
    for (auto _ : state) {
        const auto bytes = readFile(book.folder() / kBookFile).value();
        benchmark::DoNotOptimize(replaceFile(target, bytes).ok());
    }
}
BENCHMARK(BM_ListingFloorReadAndWrite)->Unit(benchmark::kMillisecond);

// Every contact with every field: the whole book read once and 33.5 MB written.
static void BM_ListingAllContactsAllFields(benchmark::State& state) {
    const auto& book = FullBook::instance();
    const auto pages = FullBook::everyPage();
    const auto target = book.folder() / "liste.txt";
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            writeListing(book.store(), pages, ListingColumns::all(), target).ok());
    }
}
BENCHMARK(BM_ListingAllContactsAllFields)->Unit(benchmark::kMillisecond);

#include "core/book_edits.h"
#include "core/file_io.h"
#include "full_book.h"

#include <benchmark/benchmark.h>

using namespace marunda;

// The floor of a deletion: the book read once and written once to a new file, flushed.
static void BM_CopyBookFloor(benchmark::State& state) {
    const auto& book = FullBook::instance();
    for (auto _ : state) {
        const auto bytes = readFile(book.folder() / kBookFile).value();
        benchmark::DoNotOptimize(replaceFile(book.folder() / "kopya.dat", bytes).ok());
    }
    (void)removeFile(book.folder() / "kopya.dat");
}
BENCHMARK(BM_CopyBookFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_DeleteFirstPage(benchmark::State& state) {
    const auto& book = FullBook::instance();
    const auto store = book.store();
    for (auto _ : state) {
        if (!deletePage(store, 1)) {
            state.SkipWithError("deletion failed");
            break;
        }
        state.PauseTiming();
        book.restore();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteFirstPage)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor of an append: one record written at its page, flushed.
static void BM_WriteOnePageFloor(benchmark::State& state) {
    const auto store = FullBook::instance().store();
    const auto record = FullBook::sampleRecord(kMaxPage);
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.writePage(kMaxPage, record).ok());
    }
}
BENCHMARK(BM_WriteOnePageFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

// A book with room for one more (32765 records, counter 32766); each round adds page 32766,
// which is taken off again before the next.
static void BM_AppendRecord(benchmark::State& state) {
    const auto& book = FullBook::instance();
    const auto store = book.store();
    (void)deletePage(store, kMaxPage);
    (void)deletePage(store, kMaxPage - 1);
    const auto withRoom = store.bookSize().valueOr(0);
    const auto record = FullBook::sampleRecord(1);
    for (auto _ : state) {
        if (!appendRecord(store, record)) {
            state.SkipWithError("append failed");
            break;
        }
        state.PauseTiming();
        (void)store.truncateBook(withRoom);
        (void)store.writeNextPage(kMaxPage - 1);
        state.ResumeTiming();
    }
    book.restore();
}
BENCHMARK(BM_AppendRecord)->Unit(benchmark::kMillisecond)->UseRealTime();

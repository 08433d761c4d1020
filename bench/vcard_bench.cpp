#include "core/file_io.h"
#include "core/import_preview.h"
#include "core/vcard_export.h"
#include "full_book.h"

#include <benchmark/benchmark.h>

using namespace marunda;

namespace {

// The full book exported once: 32767 cards, beside the book.
const std::filesystem::path& fullVcardFile() {
    static const auto file = [] {
        const auto& book = FullBook::instance();
        auto path = book.folder() / "rehber.vcf";
        (void)exportVcards(book.store(), FullBook::everyPage(), path);
        return path;
    }();
    return file;
}

} // namespace

// The floor of an import's preview: the vCard file read once.
static void BM_VcardImportFloor(benchmark::State& state) {
    const auto& file = fullVcardFile();
    for (auto _ : state) {
        benchmark::DoNotOptimize(readFile(file).value().size());
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
}
BENCHMARK(BM_VcardImportFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

// 32767 cards read, mapped and checked for duplicates, into an empty book's preview.
static void BM_VcardImportPreview(benchmark::State& state) {
    const std::filesystem::path files[] = {fullVcardFile()};
    const RecordStore empty(FullBook::instance().folder() / "bos");
    std::filesystem::create_directories(empty.folder());
    for (auto _ : state) {
        const auto preview = previewImportFiles(empty, files);
        if (!preview || preview.value().entries.size() != kMaxPage) {
            state.SkipWithError("preview failed");
            break;
        }
    }
}
BENCHMARK(BM_VcardImportPreview)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor of an export: the book read once and as many bytes as the export writes written once
// by replacement.
static void BM_VcardExportFloor(benchmark::State& state) {
    const auto& book = FullBook::instance();
    const std::string bytes(std::filesystem::file_size(fullVcardFile()), 'x');
    const auto target = book.folder() / "floor.vcf";
    for (auto _ : state) {
        benchmark::DoNotOptimize(readFile(book.folder() / kBookFile).value().size());
        benchmark::DoNotOptimize(replaceFile(target, bytes).ok());
    }
}
BENCHMARK(BM_VcardExportFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every contact of a full book as one vCard 3.0 file.
static void BM_VcardExportFullBook(benchmark::State& state) {
    const auto& book = FullBook::instance();
    const auto pages = FullBook::everyPage();
    const auto target = book.folder() / "disari.vcf";
    for (auto _ : state) {
        benchmark::DoNotOptimize(exportVcards(book.store(), pages, target).ok());
    }
}
BENCHMARK(BM_VcardExportFullBook)->Unit(benchmark::kMillisecond)->UseRealTime();

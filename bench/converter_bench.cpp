#include "converter/contact_record16.h"
#include "converter/conversion.h"
#include "core/file_io.h"
#include "full_book.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

using namespace marunda;
using namespace marunda::converter;

namespace {

// A full 1.6 book (32767 records of 790 bytes, 25.9 MB; the counter 32767 carries 32766 of
// them) in a temporary folder of its own, put back before every conversion.
class FullBook16 {
public:
    FullBook16() {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() /
                  ("marunda-bench16-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(folder_);
        bytes_.reserve(static_cast<std::size_t>(kMaxPage) * kRecordSize16);
        for (int page = 1; page <= kMaxPage; ++page) {
            bytes_ += ContactRecord16::fromBytes(
                          FullBook::sampleRecord(page).bytes().substr(0, kRecordSize16 - 60))
                          .bytes();
        }
        restore();
    }
    ~FullBook16() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    FullBook16(const FullBook16&) = delete;
    FullBook16& operator=(const FullBook16&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    void restore() const {
        (void)replaceFile(folder_ / kBookFile, bytes_);
        (void)replaceFile(folder_ / kCounterFile, std::to_string(kMaxPage) + "\r\n");
        (void)removeFile(folder_ / kOriginal16);
    }

private:
    std::filesystem::path folder_;
    std::string bytes_;
};

const FullBook16& book16() {
    static const FullBook16 book;
    return book;
}

} // namespace

// The floor of a conversion: the 1.6 book read once and a 1.7 book of its size written once by
// replacement.
static void BM_Convert16Floor(benchmark::State& state) {
    const auto& book = book16();
    const std::string image(static_cast<std::size_t>(kMaxPage - 1) * kRecordSize, ' ');
    for (auto _ : state) {
        const auto bytes = readFile(book.folder() / kBookFile).value();
        benchmark::DoNotOptimize(bytes.data());
        benchmark::DoNotOptimize(replaceFile(book.folder() / "kopya.dat", image).ok());
    }
    (void)removeFile(book.folder() / "kopya.dat");
}
BENCHMARK(BM_Convert16Floor)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_Convert16Book(benchmark::State& state) {
    const auto& book = book16();
    for (auto _ : state) {
        const auto outcome = convertBook(book.folder());
        if (!outcome || outcome.value() != Outcome::converted) {
            state.SkipWithError("conversion failed");
            break;
        }
        state.PauseTiming();
        book.restore();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Convert16Book)->Unit(benchmark::kMillisecond)->UseRealTime();

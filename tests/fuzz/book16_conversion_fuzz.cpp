#include "converter/book_inspection.h"
#include "converter/contact_record16.h"
#include "converter/conversion.h"
#include "converter/installation_log.h"
#include "core/file_io.h"
#include "core/password_file.h"
#include "core/record_store.h"
#include "fuzz_input.h"

#include <filesystem>

using namespace marunda;

namespace {

void clearFolder(const std::filesystem::path& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::filesystem::remove_all(entry.path());
    }
}

} // namespace

// A 1.6 folder of any bilgi.dat, log and book length: the conversion either refuses and keeps the
// book, making nothing, or ends with whole 1.7 records, the counter at records + 1 and the
// marker, the 1.6 book kept byte for byte, a data.dat as a first run makes it, and a second run
// that finds nothing to do. A book as long as 1.7 records for its counter is never converted:
// only its marker is written back. The first two input bytes give the book's length; the rest is
// bilgi.dat, and also the 1.6 log.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const auto& folder = fuzz::scratchFolder();
    clearFolder(folder);
    const std::size_t bookLength = (std::size_t(data[0]) << 8 | data[1]) % (4 * 790 + 1);
    const std::string book16(bookLength, 'a');
    auto rest = fuzz::bytes(data + 2, size - 2);
    fuzz::require(replaceFile(folder / kBookFile, book16).ok());
    fuzz::require(replaceFile(folder / kCounterFile, rest).ok());
    fuzz::require(replaceFile(folder / converter::kLog16, rest).ok());
    (void)converter::readInstalledFolder(folder);

    const auto counter = parseCounter(rest);
    const bool length17 = counter && counter.value() > 1 &&
                          bookLength == std::size_t(counter.value() - 1) * kRecordSize;
    auto outcome = converter::convertBook(folder);
    if (!outcome) {
        fuzz::require(readFile(folder / kBookFile).valueOr("") == book16);
        fuzz::require(!std::filesystem::exists(folder / kPasswordFile));
        return 0;
    }
    if (outcome.value() != converter::Outcome::alreadyConverted) {
        fuzz::require(PasswordFile(folder).readPassword().valueOr("<none>").empty());
    }
    if (outcome.value() == converter::Outcome::markerRestored) {
        fuzz::require(length17);
        fuzz::require(readFile(folder / kBookFile).value() == book16);
        fuzz::require(readFile(folder / kCounterFile).value() == counterFileBytes(counter.value()));
        fuzz::require(!std::filesystem::exists(folder / converter::kOriginal16));
    }
    if (outcome.value() == converter::Outcome::converted) {
        fuzz::require(!length17);
        RecordStore store(folder);
        auto records = store.recordCount().value();
        fuzz::require(fileSize(folder / kBookFile).value() == std::uint64_t(records) * kRecordSize);
        fuzz::require(records <= int(bookLength / 790 + 1));
        fuzz::require(readFile(folder / kCounterFile).value() == counterFileBytes(records + 1));
        fuzz::require(readFile(folder / converter::kOriginal16).value() == book16);
        fuzz::require(!std::filesystem::exists(folder / converter::kTemporaryBook));
        auto again = converter::convertBook(folder);
        fuzz::require(again && again.value() == converter::Outcome::alreadyConverted);
    }
    return 0;
}

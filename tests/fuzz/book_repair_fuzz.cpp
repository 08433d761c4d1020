#include "core/file_io.h"
#include "core/record_store.h"
#include "fuzz_input.h"

using namespace marunda;

// Start-up's repair over any bilgi.dat and a telefon.dat of any length: it never drops a whole
// record, leaves whole records only, and settles on records + 1. The first two input bytes give
// the book's length; the rest is bilgi.dat.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::size_t bookLength = (std::size_t(data[0]) << 8 | data[1]) % (5 * kRecordSize + 1);
    auto counterBytes = fuzz::bytes(data + 2, size - 2);

    if (auto counter = parseCounter(counterBytes); counter) {
        fuzz::require(parseCounter(counterFileBytes(counter.value())).value() == counter.value());
    }

    RecordStore store(fuzz::scratchFolder());
    fuzz::require(replaceFile(store.file(kBookFile), std::string(bookLength, 'x')).ok());
    fuzz::require(replaceFile(store.file(kCounterFile), counterBytes).ok());
    if (auto counter = store.reconcile(); counter) {
        auto records = store.recordCount().value();
        fuzz::require(records >= int(bookLength / kRecordSize));
        fuzz::require(fileSize(store.file(kBookFile)).value() % kRecordSize == 0);
        fuzz::require(counter.value() == records + 1);
    }
    return 0;
}

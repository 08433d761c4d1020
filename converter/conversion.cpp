#include "converter/conversion.h"

#include "converter/contact_record16.h"
#include "core/contact_record.h"
#include "core/file_handle.h"
#include "core/file_io.h"
#include "core/password_file.h"
#include "core/record_store.h"

#include <algorithm>
#include <array>

namespace marunda::converter {
namespace fs = std::filesystem;

namespace {

Result<void> writeConverted(FileHandle& file, const BookInspection& inspection,
                            const Progress& progress) {
    const auto total = inspection.pages;
    if (progress) {
        progress(0, total);
    }
    std::string chunk;
    chunk.reserve(kProgressStep * kRecordSize);
    for (std::size_t done = 0; done < total;) {
        const auto count = std::min(kProgressStep, total - done);
        chunk.clear();
        appendConvertedPages(inspection.book16, done, count, chunk);
        if (auto written = file.writeAt(done * kRecordSize, chunk); !written) {
            return written;
        }
        done += count;
        if (progress) {
            progress(done, total);
        }
    }
    return file.flush();
}

Result<void> writeTemporaryBook(const fs::path& folder, const BookInspection& inspection,
                                const Progress& progress) {
    const auto temporary = folder / kTemporaryBook;
    // The converted book is as private as the 1.6 book was, from its first byte on.
    const auto source = folder / (inspection.fromOriginal ? kOriginal16 : kBookFile);
    Result<void> step;
    {
        FileHandle file;
        step = file.open(temporary, FileHandle::Mode::create);
        if (step) {
            step = takePermissionsOf(temporary, source);
        }
        if (step) {
            step = writeConverted(file, inspection, progress);
        }
    }
    if (!step) {
        (void)removeFile(temporary);
    }
    return step;
}

Result<void> keepOriginal(const fs::path& folder, const BookInspection& inspection) {
    if (inspection.fromOriginal) {
        return {};
    }
    auto exists = fileExists(folder / kBookFile);
    if (!exists) {
        return exists.error();
    }
    return exists.value() ? atomicRename(folder / kBookFile, folder / kOriginal16) : Result<void>();
}

Result<void> createPasswordFile(const fs::path& folder, const BookInspection& inspection) {
    return inspection.passwordFileMissing ? PasswordFile(folder).createIfMissing() : Result<void>();
}

Result<void> writeMarker(const fs::path& folder, const BookInspection& inspection) {
    return RecordStore(folder).writeNextPage(counterFor(static_cast<int>(inspection.pages)));
}

// After a failed step: telefon.tmp goes, a 1.6 book renamed in this run comes back, and a
// data.dat made in this run goes.
void undo(const fs::path& folder, const BookInspection& inspection) {
    (void)removeFile(folder / kTemporaryBook);
    if (inspection.need == BookNeed::conversion && !inspection.fromOriginal &&
        fileExists(folder / kOriginal16).valueOr(false)) {
        (void)atomicRename(folder / kOriginal16, folder / kBookFile);
    }
    if (inspection.passwordFileMissing) {
        (void)removeFile(folder / kPasswordFile);
    }
}

// What an interrupted run left: its telefon.tmp and the temporaries of the files it replaces.
void clearLeftovers(const fs::path& folder) {
    (void)removeFile(folder / kTemporaryBook);
    static constexpr std::array<std::string_view, 2> kReplaced{kCounterFile, kPasswordFile};
    removeLeftoverTemporaries(folder, kReplaced);
}

} // namespace

std::vector<ConversionStep> conversionSteps(const fs::path& folder,
                                            const BookInspection& inspection, Progress progress) {
    if (inspection.need == BookNeed::nothing) {
        return {};
    }
    std::vector<ConversionStep> steps;
    if (inspection.need == BookNeed::conversion) {
        steps = {
            {"write telefon.tmp",
             [folder, &inspection, progress] {
                 return writeTemporaryBook(folder, inspection, progress);
             }},
            {"keep the 1.6 original",
             [folder, &inspection] {
                 return keepOriginal(folder, inspection);
             }},
            {"rename telefon.tmp",
             [folder] {
                 return atomicRename(folder / kTemporaryBook, folder / kBookFile);
             }},
        };
    }
    steps.push_back({"make a missing data.dat", [folder, &inspection] {
                         return createPasswordFile(folder, inspection);
                     }});
    steps.push_back({"mark bilgi.dat", [folder, &inspection] {
                         return writeMarker(folder, inspection);
                     }});
    return steps;
}

Result<Outcome> convertBook(const fs::path& folder, const Progress& progress) {
    auto inspection = inspectBook(folder);
    if (!inspection) {
        return inspection.error();
    }
    if (inspection.value().need == BookNeed::nothing) {
        return Outcome::alreadyConverted;
    }
    clearLeftovers(folder);
    auto done =
        runSteps(folder, inspection.value(), conversionSteps(folder, inspection.value(), progress));
    if (!done) {
        return done.error();
    }
    return inspection.value().need == BookNeed::lostMarker ? Outcome::markerRestored
                                                           : Outcome::converted;
}

Result<void> runSteps(const fs::path& folder, const BookInspection& inspection,
                      const std::vector<ConversionStep>& steps) {
    for (const auto& step : steps) {
        if (auto done = step.run(); !done) {
            undo(folder, inspection);
            return done;
        }
    }
    return {};
}

} // namespace marunda::converter

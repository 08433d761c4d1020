#pragma once

#include "converter/book_inspection.h"
#include "core/result.h"

#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

namespace marunda::converter {

// Told the pages written so far of all to write: at the start and after every kProgressStep
// pages, so that a progress bar moves without a report per record.
using Progress = std::function<void(std::size_t done, std::size_t total)>;
inline constexpr std::size_t kProgressStep = 512;

struct ConversionStep {
    std::string_view what;
    std::function<Result<void>()> run;
};

// The work `inspection` calls for, in an order that a stop at any instant followed by a new
// conversion turns into exactly the converted book:
//   1. telefon.tmp written whole and flushed;
//   2. the 1.6 telefon.dat renamed to the kept original;
//   3. telefon.tmp renamed to telefon.dat;
//   4. a missing data.dat made as a first run makes it (no password);
//   5. bilgi.dat replaced with records + 1 and "17": the commit point.
// A book that needs only its marker gets steps 4 and 5.
// The steps refer to `inspection`, which must outlive them.
std::vector<ConversionStep> conversionSteps(const std::filesystem::path& folder,
                                            const BookInspection& inspection,
                                            Progress progress = {});

// Runs `steps` in order. After a failed one, telefon.tmp goes, a 1.6 book renamed by this run is
// put back and a data.dat made by it goes, so that the 1.6 book stays readable and convertible.
Result<void> runSteps(const std::filesystem::path& folder, const BookInspection& inspection,
                      const std::vector<ConversionStep>& steps);

enum class Outcome { converted, alreadyConverted, markerRestored };

// Inspects the book in `folder` and, when it needs it, clears what an interrupted earlier run
// left there and converts it (or writes back its lost marker) through runSteps.
Result<Outcome> convertBook(const std::filesystem::path& folder, const Progress& progress = {});

} // namespace marunda::converter

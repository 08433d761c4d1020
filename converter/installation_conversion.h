#pragma once

#include "converter/conversion.h"
#include "core/result.h"

#include <filesystem>

// The two ways a 1.6 installation is converted, both finding it through the 1.6 log in the
// Windows folder and both checking the marker first, so that no book is ever converted twice.
namespace marunda::converter {

// Donusturucu's: the log stays in place, so a second run finds the book converted. Where no log
// names a folder that is there, a book of the previous format in `ownFolder` (when given) is
// converted instead: Telefon sends the user here for such a book in its own folder.
Result<Outcome> convertInstallation(const std::filesystem::path& windowsFolder,
                                    const Progress& progress = {},
                                    const std::filesystem::path& ownFolder = {});

// The installer's, in two calls around its information message. Whether the log names a 1.6
// book that waits for conversion; false without a log or when the folder cannot be read.
bool installerConversionPending(const std::filesystem::path& windowsFolder);
// Converts silently. Once the book carries the marker (converted now or before), the log goes;
// after a failure it stays, with the 1.6 book, for the next installation.
void convertForInstaller(const std::filesystem::path& windowsFolder);

} // namespace marunda::converter

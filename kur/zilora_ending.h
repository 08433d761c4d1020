#pragma once

#include <QString>

// Zilora runs from the installation folder: before Kur replaces its files (a reinstall) or
// deletes them, the running Zilora of that folder is asked to end, so that none is left running
// from replaced or deleted files (and on Windows its program can be replaced at all).
namespace marunda::kur {

// Waits at most this long for it to go; after that Kur goes on, and a file still in use is
// reported by the step that meets it.
inline constexpr int kZiloraEndMs = 5000;

// The Zilora of the installation in `folder`.
void endZilora(const QString& folder);
// The Zilora of the installation the log names, if there is one.
void endInstalledZilora();

} // namespace marunda::kur

#pragma once

#include "core/export.h"

// A seam in the file layer for proving that every operation survives a failing disk: it counts
// the calls that change the disk (opening for writing, writing, flushing, renaming, syncing a
// folder, setting permissions, truncating, removing) and can make one of them fail as a full disk
// or an I/O error would. A crash at call N is modelled as call N and every later call failing:
// nothing after it reaches the disk and no clean-up succeeds. Idle until armed; then it costs the
// file layer one check of a flag per call.
namespace marunda::file_faults {

enum class Kind {
    once,       // only call N fails (ENOSPC, EIO), later calls succeed
    fromThenOn, // call N and every later call fail (a crash)
    processEnd, // the process ends at once, with kEndedExitCode, before call N is made
};

inline constexpr int kEndedExitCode = 86;

// Starts counting from zero; call `failAt` (1-based) fails, 0 only counts.
MARUNDA_CORE_EXPORT void arm(int failAt, Kind kind);
// Stops counting and failing.
MARUNDA_CORE_EXPORT void disarm();
// The calls counted since arm().
MARUNDA_CORE_EXPORT int counted();

// The file layer asks this before each call that changes the disk: true means fail it.
MARUNDA_CORE_EXPORT bool nextCallFails();

} // namespace marunda::file_faults

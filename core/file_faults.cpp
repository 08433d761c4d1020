#include "core/file_faults.h"

#include <cstdlib>

namespace marunda::file_faults {
namespace {

// One program, one thread of file calls: plain variables are enough.
bool armed = false;
int calls = 0;
int firstFailure = 0;
Kind failureKind = Kind::once;

} // namespace

void arm(int failAt, Kind kind) {
    armed = true;
    calls = 0;
    firstFailure = failAt;
    failureKind = kind;
}

void disarm() {
    armed = false;
}

int counted() {
    return calls;
}

bool nextCallFails() {
    if (!armed) {
        return false;
    }
    ++calls;
    if (firstFailure == 0) {
        return false;
    }
    if (failureKind == Kind::processEnd && calls == firstFailure) {
        std::_Exit(kEndedExitCode); // no destructor, no flush of ours: as abrupt as a kill
    }
    return failureKind == Kind::once ? calls == firstFailure : calls >= firstFailure;
}

} // namespace marunda::file_faults

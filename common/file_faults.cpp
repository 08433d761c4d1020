#include "common/file_faults.h"

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
    return failureKind == Kind::once ? calls == firstFailure : calls >= firstFailure;
}

} // namespace marunda::file_faults

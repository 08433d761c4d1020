#include "core/file_name.h"
#include "platform/platform.h"

namespace marunda::platform {

// The rule is the core's; this is its face for the windows (the fake sets its own).
bool fileNamesIgnoreCase() {
    return kFileNamesIgnoreCase;
}

} // namespace marunda::platform

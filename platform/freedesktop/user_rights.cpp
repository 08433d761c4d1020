#include "platform/platform.h"

namespace marunda::platform {

// Kur runs with the user's own rights here: nothing to drop.
Result<void> startAsUser(const std::filesystem::path& program) {
    return startDetached(program);
}

bool windowsFolderNeedsAdministrator() {
    return false;
}

} // namespace marunda::platform

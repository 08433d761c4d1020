#include "platform/platform.h"

namespace marunda::platform {

bool fileNamesIgnoreCase() {
    return false;
}

} // namespace marunda::platform

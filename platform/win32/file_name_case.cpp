#include "platform/platform.h"

namespace marunda::platform {

bool fileNamesIgnoreCase() {
    return true;
}

} // namespace marunda::platform

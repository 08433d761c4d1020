#include "platform/platform.h"

// A program's file carries its icon here, and its links show that: there is no theme to give.
namespace marunda::platform {

Result<void> installIcon(std::string_view, const std::vector<IconPicture>&) {
    return {};
}

Result<void> removeIcon(std::string_view) {
    return {};
}

} // namespace marunda::platform

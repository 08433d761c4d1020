#pragma once

#include <optional>

namespace marunda::ui {

// Whether the desktop shows icons in a notification area (the system tray).
bool notificationAreaAvailable();
// Tests decide it for themselves; std::nullopt asks the desktop again.
void setNotificationAreaForTests(std::optional<bool> available);

} // namespace marunda::ui

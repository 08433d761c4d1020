#pragma once

#include "ui/export.h"

#include <optional>

namespace marunda::ui {

// Whether the desktop shows icons in a notification area (the system tray).
MARUNDA_UI_EXPORT bool notificationAreaAvailable();
// Tests decide it for themselves; std::nullopt asks the desktop again.
MARUNDA_UI_EXPORT void setNotificationAreaForTests(std::optional<bool> available);

} // namespace marunda::ui

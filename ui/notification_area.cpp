#include "ui/notification_area.h"

#include <QSystemTrayIcon>

namespace marunda::ui {
namespace {

std::optional<bool>& decided() {
    static std::optional<bool> available;
    return available;
}

} // namespace

bool notificationAreaAvailable() {
    if (decided()) {
        return *decided();
    }
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void setNotificationAreaForTests(std::optional<bool> available) {
    decided() = available;
}

} // namespace marunda::ui

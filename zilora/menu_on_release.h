#pragma once

#include <QObject>

class QSystemTrayIcon;

namespace marunda::zilora {

// Opens the notification-area icon's menu when the right button is released on the icon, as the
// system's own icons do. Where Qt draws the icon itself (an XEmbed notification area) it would
// open the menu on the press.
class MenuOnRelease : public QObject {
public:
    // Watches the application's events for as long as the icon lives.
    explicit MenuOnRelease(QSystemTrayIcon* icon);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSystemTrayIcon* icon_;
};

} // namespace marunda::zilora

// "Küçült": the window goes into the notification area and a double-click on its icon brings
// it back. A desktop without a notification area gets an ordinary minimised window instead, so
// that the window can always be reached again.
#include "telefon/ana/ana.h"

#include "ui/notification_area.h"

#include <QApplication>

namespace marunda::telefon {

namespace {

const QString kTrayTip = QStringLiteral("Marunda 1.7 (Marunda Geliştirme Ekibi)");

} // namespace

void Ana::minimise() {
    // The window goes before the mouse can leave the command, so its highlight is taken off now.
    resetCommandColours(QStringLiteral("com5"));
    if (!marunda::ui::notificationAreaAvailable()) {
        showMinimized();
        return;
    }
    if (!trayIcon_) {
        trayIcon_ = new QSystemTrayIcon(windowIcon(), this);
        trayIcon_->setObjectName("trayIcon");
        trayIcon_->setToolTip(kTrayTip);
        connect(trayIcon_, &QSystemTrayIcon::activated, this, &Ana::trayActivated);
    }
    trayIcon_->show();
    // Only the icon is left: closing another window must not end the program meanwhile.
    QApplication::setQuitOnLastWindowClosed(false);
    hide();
}

void Ana::trayActivated(QSystemTrayIcon::ActivationReason reason) {
    hoverBackground();
    if (reason != QSystemTrayIcon::DoubleClick) {
        return;
    }
    show();
    raise();
    activateWindow();
    QApplication::setQuitOnLastWindowClosed(true);
    trayIcon_->hide();
    trayIcon_->deleteLater();
}

} // namespace marunda::telefon

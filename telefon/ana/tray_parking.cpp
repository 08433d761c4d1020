#include "telefon/ana/tray_parking.h"

#include "ui/notification_area.h"

#include <QApplication>
#include <QWidget>

namespace marunda::telefon {

namespace {

const QString kTrayTip = QStringLiteral("Marunda 1.7 (Marunda Geliştirme Ekibi)");

} // namespace

TrayParking::TrayParking(QWidget& window)
    : QObject(&window)
    , window_(window) {}

void TrayParking::park() {
    if (!marunda::ui::notificationAreaAvailable()) {
        window_.showMinimized();
        return;
    }
    if (!icon_) {
        icon_ = new QSystemTrayIcon(window_.windowIcon(), this);
        icon_->setObjectName("trayIcon");
        icon_->setToolTip(kTrayTip);
        connect(icon_, &QSystemTrayIcon::activated, this, &TrayParking::iconActivated);
    }
    icon_->show();
    // Only the icon is left: closing another window must not end the program meanwhile.
    QApplication::setQuitOnLastWindowClosed(false);
    window_.hide();
}

void TrayParking::iconActivated(QSystemTrayIcon::ActivationReason reason) {
    emit iconTouched();
    if (reason != QSystemTrayIcon::DoubleClick) {
        return;
    }
    window_.show();
    window_.raise();
    window_.activateWindow();
    QApplication::setQuitOnLastWindowClosed(true);
    icon_->hide();
    icon_->deleteLater();
}

} // namespace marunda::telefon

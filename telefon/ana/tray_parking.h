#pragma once

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

class QWidget;

namespace marunda::telefon {

// "Küçült": the window goes into the notification area and a double-click on its icon brings
// it back. A desktop without a notification area gets an ordinary minimised window instead, so
// that the window can always be reached again.
class TrayParking : public QObject {
    Q_OBJECT
public:
    explicit TrayParking(QWidget& window);

    void park();

signals:
    // Any click on the icon: the mouse has left the window's controls.
    void iconTouched();

private:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);

    QWidget& window_;
    QPointer<QSystemTrayIcon> icon_;
};

} // namespace marunda::telefon

#include "zilora/menu_on_release.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QSystemTrayIcon>

namespace marunda::zilora {

MenuOnRelease::MenuOnRelease(QSystemTrayIcon* icon)
    : QObject(icon)
    , icon_(icon) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool MenuOnRelease::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (!press && event->type() != QEvent::MouseButtonRelease) {
        return false;
    }
    // The window Qt draws the icon in; a program of ours has one icon at most.
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::RightButton || !watched->inherits("QSystemTrayIconSys") ||
        !icon_->contextMenu()) {
        return false;
    }
    if (!press) {
        icon_->contextMenu()->popup(mouse->globalPosition().toPoint());
    }
    return true;
}

} // namespace marunda::zilora

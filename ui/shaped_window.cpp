#include "ui/shaped_window.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace marunda::ui {

ShapedWindow::ShapedWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {}

void ShapedWindow::setBackground(const QPixmap& picture) {
    background_ = picture;
    update();
}

void ShapedWindow::setOutline(const QRegion& outline) {
    setMask(outline.intersected(rect()));
    update();
}

void ShapedWindow::startDrag(const QPoint& pressedAt, Qt::MouseButton button) {
    emit dragStarted();
    // The window manager is told that the left button holds the move: with another button it
    // would wait for a left release that never comes, keeping the pointer and the window.
    if (button == Qt::LeftButton && windowHandle() && windowHandle()->startSystemMove()) {
        return;
    }
    // No window manager to do it (or none that supports it, or another button): follow the
    // mouse ourselves. The mouse may have moved on since the press; the window keeps its place
    // under the press point.
    dragOffset_ = pressedAt - pos();
    manualDrag_ = true;
    grabMouse();
}

void ShapedWindow::centreOnScreen() {
    const QScreen* where = screen();
    if (!where) {
        return;
    }
    QRect frame(QPoint(), size());
    frame.moveCenter(where->availableGeometry().center());
    move(frame.topLeft());
}

void ShapedWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!background_.isNull()) {
        QPainter(this).drawPixmap(0, 0, background_);
    }
}

void ShapedWindow::mouseMoveEvent(QMouseEvent* event) {
    if (manualDrag_) {
        move(event->globalPosition().toPoint() - dragOffset_);
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void ShapedWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (!manualDrag_) {
        QWidget::mouseReleaseEvent(event);
    } else if (event->buttons() == Qt::NoButton) {
        endManualDrag();
    }
}

void ShapedWindow::endManualDrag() {
    manualDrag_ = false;
    releaseMouse();
}

} // namespace marunda::ui

#pragma once

#include "ui/export.h"

#include <QPixmap>
#include <QPoint>
#include <QRegion>
#include <QWidget>

namespace marunda::ui {

// A window without a frame: a background picture under its controls, an outline of any shape,
// and moved by the mouse from wherever the subclass calls startDrag().
class MARUNDA_UI_EXPORT ShapedWindow : public QWidget {
    Q_OBJECT
public:
    explicit ShapedWindow(QWidget* parent = nullptr);

    void setBackground(const QPixmap& picture);
    // Clipped to the window's rectangle; the window is repainted.
    void setOutline(const QRegion& outline);
    // Starts moving the window with the mouse, as pressing a title bar would, from the point
    // (in screen coordinates) where `button` went down.
    void startDrag(const QPoint& pressedAt, Qt::MouseButton button);
    bool isDragging() const { return manualDrag_; }
    // Centres the window on its screen's available area.
    void centreOnScreen();

signals:
    void dragStarted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void endManualDrag();

    QPixmap background_;
    QPoint dragOffset_;
    bool manualDrag_ = false;
};

} // namespace marunda::ui

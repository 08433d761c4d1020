#pragma once

#include "ui/export.h"

#include <QColor>
#include <QLabel>

namespace marunda::ui {

// A text label that acts as a command. It takes every mouse event itself, so a press or a move
// over it never reaches the window behind it; what the window does with them is up to the window.
class MARUNDA_UI_EXPORT CommandLabel : public QLabel {
    Q_OBJECT
public:
    explicit CommandLabel(const QString& text = {}, QWidget* parent = nullptr);

    void setColours(const QColor& text);
    QColor textColour() const;
    // Where (in screen coordinates) a mouse button last went down on the label.
    QPoint pressedAt() const { return pressedAt_; }

signals:
    // Left button pressed and released over the label, not as the second click of a double-click.
    void clicked();
    void doubleClicked();
    // Any button, before anything else happens.
    void pressed(Qt::MouseButton button);
    void entered();
    // The mouse moved over the label, with or without a button held.
    void hovered();
    void left();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPoint pressedAt_;
    bool leftPressed_ = false;
    bool secondClick_ = false;
};

} // namespace marunda::ui

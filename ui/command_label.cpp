#include "ui/command_label.h"

#include "ui/fonts.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextOption>

namespace marunda::ui {

CommandLabel::CommandLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
    setContentsMargins(0, accentRoom(font()), 0, 0);
}

void CommandLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        setContentsMargins(0, accentRoom(font()), 0, 0);
    }
}

// A wrapping label breaks at blanks where it can and inside a word that is wider than the box,
// so a long word still shows whole over two lines instead of being cut at the edge.
void CommandLabel::paintEvent(QPaintEvent* event) {
    if (!wordWrap()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    QTextOption option(alignment());
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    painter.drawText(QRectF(contentsRect()), text(), option);
}

void CommandLabel::setColours(const QColor& text) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, text);
    setPalette(p);
}

QColor CommandLabel::textColour() const {
    return palette().color(QPalette::WindowText);
}

void CommandLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    pressedAt_ = event->globalPosition().toPoint();
    if (event->button() == Qt::LeftButton) {
        leftPressed_ = true;
    }
    emit pressed(event->button());
}

void CommandLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const bool click =
        leftPressed_ && !secondClick_ && rect().contains(event->position().toPoint());
    leftPressed_ = false;
    secondClick_ = false;
    if (click) {
        emit clicked();
    }
}

void CommandLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        emit pressed(event->button());
        return;
    }
    // The second press of a double-click is the double-click, not another press.
    leftPressed_ = true;
    secondClick_ = true;
    emit doubleClicked();
}

void CommandLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit hovered();
}

void CommandLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    emit entered();
}

void CommandLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    emit left();
}

} // namespace marunda::ui

#include "ui/shapes.h"

#include <QPainter>

namespace marunda::ui {

MarkerShape::MarkerShape(const QColor& fill, QWidget* parent)
    : QWidget(parent)
    , border_(fill)
    , fill_(fill) {
    // The marker is decoration: presses and moves belong to the window behind it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MarkerShape::setFill(const QColor& fill) {
    if (fill_ != fill) {
        fill_ = fill;
        update();
    }
}

void MarkerShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(border_);
    painter.setBrush(fill_);
    const int side = qMin(width(), height()) - 1;
    QRectF circle(0, 0, side, side);
    circle.moveCenter(QRectF(rect()).center());
    painter.drawEllipse(circle);
}

LineShape::LineShape(const QLine& line, const QColor& colour, QWidget* parent)
    : QWidget(parent)
    , line_(line)
    , colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(QRect(line.p1(), line.p2()).normalized().adjusted(0, 0, 1, 1));
}

void LineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(colour_);
    painter.drawLine(line_.translated(-pos()));
}

} // namespace marunda::ui

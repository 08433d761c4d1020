#pragma once

#include "ui/export.h"

#include <QColor>
#include <QLine>
#include <QWidget>

namespace marunda::ui {

// The small filled bullet beside a command: a circle as wide as its box, centred in it. Its
// border keeps the colour it was made with; only the fill changes.
class MARUNDA_UI_EXPORT MarkerShape : public QWidget {
    Q_OBJECT
public:
    explicit MarkerShape(const QColor& fill, QWidget* parent = nullptr);

    void setFill(const QColor& fill);
    QColor fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor border_;
    QColor fill_;
};

// A one-pixel line between two points of its parent, drawn in its own small widget.
class MARUNDA_UI_EXPORT LineShape : public QWidget {
    Q_OBJECT
public:
    LineShape(const QLine& line, const QColor& colour, QWidget* parent = nullptr);

    QLine line() const { return line_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine line_;
    QColor colour_;
};

} // namespace marunda::ui

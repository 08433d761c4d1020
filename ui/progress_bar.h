#pragma once

#include "ui/named_child.h"

#include <QProgressBar>

namespace marunda::ui {

// The progress bar `cubuk` of the windows that show one: a plain bar without text, at 0 of 100.
inline QProgressBar* placedProgressBar(QWidget* parent, const QRect& box) {
    auto* bar = placed(new QProgressBar(parent), QStringLiteral("cubuk"), box);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    return bar;
}

} // namespace marunda::ui

#pragma once

#include <QRect>
#include <QString>

namespace marunda::ui {

// A child control carries its system name, by which tests and accessibility find it.
template <class Widget> Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// A named child in the box the window was designed with.
template <class Widget> Widget* placed(Widget* widget, const QString& name, const QRect& box) {
    named(widget, name)->setGeometry(box);
    return widget;
}

} // namespace marunda::ui

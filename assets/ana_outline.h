#pragma once

#include <QPolygon>
#include <QSize>

namespace marunda::telefon {

// The main window's size and outline: diagonal top corners and a V-shaped notch in the bottom
// edge ending in an 11-pixel slot. The outline runs below the window and is clipped by it.
inline constexpr QSize kAnaSize{563, 388};

inline QPolygon anaOutline() {
    return QPolygon({{15, 2},
                     {1, 20},
                     {1, 500},
                     {180, 500},
                     {276, 370},
                     {276, 330},
                     {287, 330},
                     {287, 370},
                     {388, 500},
                     {562, 500},
                     {562, 20},
                     {548, 2},
                     {15, 2}});
}

} // namespace marunda::telefon

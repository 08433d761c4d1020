#pragma once

#include "ui/export.h"

#include <QFont>

namespace marunda::ui {

// Registers MS Sans Serif from Debian's metric-compatible file where the system has no such
// family. Call once after the application object exists.
MARUNDA_UI_EXPORT void ensureFonts();

// Sizes are in points as designed for 96 dots per inch; the windows are laid out in pixels, so
// the fonts are too (9.75 pt is 13 px whatever the screen's resolution).
// Tahoma where the system has it, else the face that stands in for it.
MARUNDA_UI_EXPORT QFont tahoma(qreal pointSize, bool bold = false);
MARUNDA_UI_EXPORT QFont msSansSerif(qreal pointSize, bool bold = false);
// Pixels to leave above a line of text so that the marks on capitals (Ö, İ, Ç...) are not cut:
// some fonts reach above their declared ascent. The original font's ascent included them.
MARUNDA_UI_EXPORT int accentRoom(const QFont& font);

// A font that has the geometric shapes (triangles, circles) of Unicode.
MARUNDA_UI_EXPORT QFont symbols(qreal pointSize);

} // namespace marunda::ui

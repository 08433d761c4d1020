#pragma once

#include "ui/export.h"

#include <QString>

namespace marunda::ui {

// Text boxes break lines with "\n"; the suite's files keep the CR LF of their origin.
MARUNDA_UI_EXPORT QString shownLineEnds(QString stored);
MARUNDA_UI_EXPORT QString storedLineEnds(QString shown);

} // namespace marunda::ui

#pragma once

#include <QString>

namespace marunda::ui {

// Text boxes break lines with "\n"; the suite's files keep the CR LF of their origin.
QString shownLineEnds(QString stored);
QString storedLineEnds(QString shown);

} // namespace marunda::ui

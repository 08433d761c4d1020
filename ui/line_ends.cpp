#include "ui/line_ends.h"

namespace marunda::ui {

QString shownLineEnds(QString stored) {
    return stored.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString storedLineEnds(QString shown) {
    return shown.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

} // namespace marunda::ui

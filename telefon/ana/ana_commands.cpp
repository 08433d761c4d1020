// The menu commands: "Küçült" and "Kapat" act on the main window, the others open a window
// through the registry.
#include "telefon/ana/ana.h"

#include "telefon/ana/window_registry.h"

namespace marunda::telefon {

void Ana::openCommand(int number) {
    switch (number) {
    case 5: // "Küçült"
        minimise();
        break;
    case 6: // "Kapat"
        closeProgram();
        break;
    default:
        (void)windows_->open(number);
        break;
    }
}

} // namespace marunda::telefon

// The menu commands. Each window opens here, at most once: construct it with `*this` as its
// way back to the main window and keep it in a marunda::ui::SingleWindow.
#include "telefon/ana.h"

#include "ui/single_window.h"

void Ana::openCommand(int number) {
    switch (number) {
    case 1: // "Yeni Telefon": yenitel
        break;

    case 2: // "Telefon Bul": bul
        break;

    case 3: // "Telefon Değiştir": degistir, filled from the displayed page
        break;

    case 4: // "Telefon Sil": sil
        break;

    case 5: // "Küçült"
        break;

    case 6: // "Kapat"
        closeProgram();
        break;

    case 7: // "Hakkında": hakkında
        break;

    case 8: // "Şifre": pass
        break;

    case 9: // "Döküm Al": dokum
        break;

    default:
        break;
    }
}

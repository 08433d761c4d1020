#include "telefon/ana/window_registry.h"

#include "telefon/ana/ana.h"

namespace marunda::telefon {

bool WindowRegistry::open(int number) {
    switch (number) {
    case 1: // "Yeni Telefon": yenitel
        yenitel_.open(ana_, RecordForm::Purpose::newRecord);
        return true;
    case 2: // "Telefon Bul": bul
        bul_.open(ana_);
        return true;
    case 3: // "Telefon Değiştir": degistir, filled from the displayed page
        // A second click while it is open only brings it forward: what the user typed and the
        // page it will write stay as they are.
        degistir_.open(ana_, RecordForm::Purpose::modify);
        return true;
    case 4: // "Telefon Sil": sil
        sil_.open(ana_);
        return true;
    case 7: // "Hakkında": hakkında
        hakkinda_.open(ana_);
        return true;
    case 8: // "Şifre": pass
        pass_.open(ana_);
        return true;
    case 9: // "Döküm Al": dokum
        dokum_.open(ana_);
        return true;
    default:
        return false;
    }
}

} // namespace marunda::telefon

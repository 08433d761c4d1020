// The menu commands. Each window opens here, at most once: construct it with `*this` as its
// way back to the main window and keep it in a marunda::ui::SingleWindow.
#include "telefon/ana/ana.h"

#include "telefon/about/hakkinda.h"
#include "telefon/delete/sil.h"
#include "telefon/dokum.h"
#include "telefon/password/pass.h"
#include "telefon/record_form/record_form.h"
#include "telefon/search/bul.h"
#include "ui/single_window.h"

namespace marunda::telefon {

void Ana::openCommand(int number) {
    switch (number) {
    case 1: { // "Yeni Telefon": yenitel
        static marunda::ui::SingleWindow<RecordForm> yenitel;
        yenitel.open(*this, RecordForm::Purpose::newRecord);
        break;
    }

    case 2: { // "Telefon Bul": bul
        static marunda::ui::SingleWindow<Bul> bul;
        bul.open(*this);
        break;
    }

    case 3: { // "Telefon Değiştir": degistir, filled from the displayed page
        // A second click while it is open only brings it forward: what the user typed and the
        // page it will write stay as they are.
        static marunda::ui::SingleWindow<RecordForm> degistir;
        degistir.open(*this, RecordForm::Purpose::modify);
        break;
    }

    case 4: { // "Telefon Sil": sil
        static marunda::ui::SingleWindow<Sil> sil;
        sil.open(*this);
        break;
    }

    case 5: // "Küçült"
        minimise();
        break;

    case 6: // "Kapat"
        closeProgram();
        break;

    case 7: { // "Hakkında": hakkında
        static marunda::ui::SingleWindow<Hakkinda> hakkinda;
        hakkinda.open(*this);
        break;
    }

    case 8: { // "Şifre": pass
        static marunda::ui::SingleWindow<Pass> pass;
        pass.open(*this);
        break;
    }

    case 9: { // "Döküm Al": dokum
        static marunda::ui::SingleWindow<Dokum> dokum;
        dokum.open(*this);
        break;
    }

    default:
        break;
    }
}

} // namespace marunda::telefon

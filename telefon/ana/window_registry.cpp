#include "telefon/ana/window_registry.h"

#include "telefon/ana/ana.h"

#include <QDialog>

#include <utility>

namespace marunda::telefon {

namespace {

// However the window of a menu command goes (its buttons, Esc, its close box), the mouse has long
// left the command on the main window: it is shown normal again.
template <class W, class... Args>
void openResetting(ui::SingleWindow<W>& slot, Ana& ana, const QString& command, Args&&... args) {
    const bool fresh = !slot.isOpen();
    W* window = slot.open(ana, std::forward<Args>(args)...);
    if (fresh) {
        QObject::connect(window, &QDialog::finished, &ana,
                         [&ana, command] { ana.resetCommandColours(command); });
    }
}

} // namespace

bool WindowRegistry::open(int number) {
    switch (number) {
    case 1: // "Yeni Telefon": yenitel
        yenitel_.open(ana_, RecordForm::Purpose::newRecord);
        return true;
    case 2: // "Telefon Bul": bul
        openResetting(bul_, ana_, QStringLiteral("com2"));
        return true;
    case 3: // "Telefon Değiştir": degistir, filled from the displayed page
        // A second click while it is open only brings it forward: what the user typed and the
        // page it will write stay as they are.
        degistir_.open(ana_, RecordForm::Purpose::modify);
        return true;
    case 4: // "Telefon Sil": sil
        openResetting(sil_, ana_, QStringLiteral("com4"));
        return true;
    case 7: // "Hakkında": hakkında
        hakkinda_.open(ana_);
        return true;
    case 8: // "Şifre": pass
        openResetting(pass_, ana_, QStringLiteral("com8"));
        return true;
    case 9: // "Döküm Al": dokum
        dokum_.open(ana_);
        return true;
    default:
        return false;
    }
}

} // namespace marunda::telefon

// The start-up of the program and the first page it shows.
#include "telefon/ana/ana.h"

#include "assets/ana_outline.h"
#include "core/book_opening.h"
#include "ui/message_box.h"
#include "ui/support_contact.h"

namespace marunda::telefon {

void Ana::startUp() {
    centreOnScreen();
    show();
    setOutline(QRegion(anaOutline()));
    if (!loadFirstPage()) {
        endProgram();
        return;
    }
    password();
    if (ended_) {
        return;
    }
    showSection(1);
    if (!prompted_) {
        passwordPassed(); // no password: the book is open
    }
}

bool Ana::loadFirstPage() {
    (void)store_.enterProgramFolder();
    // Mends a counter that disagrees with telefon.dat, or makes what a first run needs.
    auto opened = marunda::openBook(store_);
    if (!opened && opened.error().code == marunda::ErrorCode::oldFormat) {
        marunda::ui::MessageBox::critical(
            this, QStringLiteral("Dönüştürme Gerekli"),
            QStringLiteral("Telefon rehberiniz programın önceki sürümünün biçiminde. Rehberi "
                           "kullanabilmek için önce Donusturucu ile dönüştürmelisiniz; "
                           "dosyalarınızda hiçbir değişiklik yapılmadı."));
        return false;
    }
    if (!opened) {
        marunda::ui::MessageBox::critical(
            this, QStringLiteral("Hata"),
            QStringLiteral("Rehberin dosyaları program klasöründe oluşturulamadı, yeni kayıtlar "
                           "saklanamaz. ") +
                marunda::ui::supportSentence());
    }
    // A first run shows the empty start-up captions; but whatever start-up had to mend or
    // make, a book with records opens on its first one.
    const bool created = !opened || opened.value();
    if (created && store_.recordCount().valueOr(0) == 0) {
        return true;
    }
    if (auto record = store_.readPage(1)) {
        showPage(1, record.value());
    } else {
        // An empty page would pass for an empty book: say that the records cannot be read.
        marunda::ui::MessageBox::critical(
            this, QStringLiteral("Hata"),
            QStringLiteral("'telefon.dat' dosyası okunamıyor, kayıtlar gösterilemiyor. ") +
                marunda::ui::supportSentence());
    }
    return true;
}

} // namespace marunda::telefon

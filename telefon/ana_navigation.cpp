// The page commands: first, previous, next and last page. Each click reads the displayed page
// and bilgi.dat afresh, so records added or deleted meanwhile are taken into account.
#include "telefon/ana.h"

#include "ui/message_box.h"

namespace {

void tellUnreadable(QWidget* parent, const char* file) {
    marunda::ui::MessageBox::critical(
        parent, QStringLiteral("Hata"),
        QStringLiteral("'%1' dosyası okunamıyor, sayfa değiştirilemedi.").arg(file));
}

} // namespace

void Ana::showStoredPage(int page) {
    auto record = store_.readPage(page);
    if (!record) {
        tellUnreadable(this, "telefon.dat");
        return;
    }
    showPage(page, record.value());
}

marunda::Result<int> Ana::readCounterOrTell() {
    auto counter = store_.readNextPage();
    if (!counter || counter.value() < 1) {
        tellUnreadable(this, "bilgi.dat");
        return marunda::makeError(marunda::ErrorCode::unreadable, "bilgi.dat");
    }
    return counter;
}

void Ana::goFirst() {
    showStoredPage(1);
}

void Ana::goPrevious() {
    const int displayed = currentPage();
    if (displayed <= 1) {
        return;
    }
    showStoredPage(displayed - 1);
}

void Ana::goNext() {
    const auto counter = readCounterOrTell();
    if (!counter || counter.value() == 1) {
        return;
    }
    // Past the last page (the book shrank meanwhile) counts as the last page.
    const int displayed = currentPage();
    if (displayed >= counter.value() - 1) {
        return;
    }
    showStoredPage(displayed + 1);
}

void Ana::goLast() {
    const auto counter = readCounterOrTell();
    if (!counter || counter.value() == 1) {
        return;
    }
    showStoredPage(counter.value() - 1);
}

// The page commands: first, previous, next and last page. Each click reads the displayed page
// and bilgi.dat afresh, so records added or deleted meanwhile are taken into account.
#include "telefon/ana/ana.h"

#include "core/page_navigation.h"
#include "ui/message_box.h"

namespace marunda::telefon {

namespace {

void tellUnreadable(QWidget* parent, std::string_view file) {
    marunda::ui::MessageBox::critical(
        parent, QStringLiteral("Hata"),
        QStringLiteral("'%1' dosyası okunamıyor, sayfa değiştirilemedi.")
            .arg(QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()))));
}

} // namespace

void Ana::showStoredPage(int page) {
    auto record = store_.readPage(page);
    if (!record) {
        tellUnreadable(this, marunda::kBookFile);
        return;
    }
    showPage(page, record.value());
}

marunda::Result<int> Ana::readCounterOrTell() {
    auto counter = store_.readNextPage();
    if (!counter || counter.value() < 1) {
        tellUnreadable(this, marunda::kCounterFile);
        return marunda::makeError(marunda::ErrorCode::unreadable,
                                  std::string(marunda::kCounterFile));
    }
    return counter;
}

void Ana::goFirst() {
    showStoredPage(1);
}

void Ana::goPrevious() {
    if (const auto page = marunda::previousPage(currentPage())) {
        showStoredPage(*page);
    }
}

void Ana::goNext() {
    const auto counter = readCounterOrTell();
    if (!counter) {
        return;
    }
    if (const auto page = marunda::nextPage(currentPage(), counter.value())) {
        showStoredPage(*page);
    }
}

void Ana::goLast() {
    const auto counter = readCounterOrTell();
    if (!counter) {
        return;
    }
    if (const auto page = marunda::lastPage(counter.value())) {
        showStoredPage(*page);
    }
}

} // namespace marunda::telefon

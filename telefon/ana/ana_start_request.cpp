// What the command line and dropped files ask of the main window once the book is open.
#include "telefon/ana/ana.h"

#include "core/vcard_export.h"
#include "telefon/vcard/vcard_al.h"
#include "ui/message_box.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace marunda::telefon {

namespace {

// The local files among the dropped ones that name vCard files.
std::vector<std::filesystem::path> droppedVcards(const QMimeData* data) {
    std::vector<std::filesystem::path> files;
    if (!data || !data->hasUrls()) {
        return files;
    }
    for (const QUrl& url : data->urls()) {
        const QString file = url.toLocalFile();
        if (!file.isEmpty() && marunda::isVcardFileName(file.toStdString())) {
            files.emplace_back(file.toStdU16String());
        }
    }
    return files;
}

} // namespace

void Ana::setStartRequest(marunda::TelefonArguments request) {
    // Relative to where the program was started: start-up makes the program's folder current.
    for (auto& file : request.files) {
        file = QFileInfo(QString::fromStdString(file)).absoluteFilePath().toStdString();
    }
    startRequest_ = std::move(request);
}

void Ana::passwordPassed() {
    if (!locked_) {
        return;
    }
    locked_ = false;
    setAcceptDrops(true);
    const auto request = std::exchange(startRequest_, {});
    if (request.page) {
        showRequestedPage(*request.page);
    }
    if (!request.files.empty()) {
        std::vector<std::filesystem::path> files;
        for (const auto& file : request.files) {
            files.emplace_back(QString::fromStdString(file).toStdU16String());
        }
        importVcards(files);
    }
}

void Ana::showRequestedPage(const marunda::PageRequest& request) {
    if (auto record = store_.readPage(request.page);
        record && request.page < store_.readNextPage().valueOr(1) &&
        marunda::stillNamed(record.value(), request)) {
        showPage(request.page, record.value());
        return;
    }
    // The book changed since the page was named: the start-up's page 1 stays.
    notice(QStringLiteral("Kişi o sayfada değil."));
}

void Ana::importVcards(const std::vector<std::filesystem::path>& files) {
    if (locked_ || files.empty()) {
        return;
    }
    if (vcardAl_) {
        // One import at a time: the open window may hold ticks the user chose.
        vcardAl_->raise();
        vcardAl_->activateWindow();
        return;
    }
    // Read only now that the password is passed, and before the window shows.
    auto preview = marunda::previewImportFiles(store_, files);
    if (!preview) {
        marunda::ui::MessageBox::critical(
            this, QStringLiteral("Hata"),
            QStringLiteral("Rehber dosyası 'telefon.dat' okunamadı, vCard dosyaları alınmadı."));
        return;
    }
    QStringList names;
    for (const auto& file : files) {
        names.append(QString::fromStdU16String(file.filename().u16string()));
    }
    vcardAl_ = new VcardAl(*this, std::move(preview).value(), names);
    vcardAl_->setAttribute(Qt::WA_DeleteOnClose);
    vcardAl_->show();
}

void Ana::dragEnterEvent(QDragEnterEvent* event) {
    if (!locked_ && !droppedVcards(event->mimeData()).empty()) {
        event->acceptProposedAction();
    }
}

void Ana::dropEvent(QDropEvent* event) {
    const auto files = droppedVcards(event->mimeData());
    if (locked_ || files.empty()) {
        return;
    }
    event->acceptProposedAction();
    importVcards(files);
}

} // namespace marunda::telefon

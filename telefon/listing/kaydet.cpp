#include "telefon/listing/kaydet.h"

#include "folder_picker/drive_folder_picker.h"
#include "telefon/listing/dokum.h"
#include "telefon/listing/listing_widgets.h"
#include "ui/fonts.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace marunda::telefon {

Kaydet::Kaydet(Dokum* dokum, const QString& startFolder)
    : QDialog(dokum->parentWidget())
    , dokum_(dokum) {
    setObjectName(QStringLiteral("kaydet"));
    setWindowTitle(QStringLiteral("Döküm Gözat"));
    setFont(marunda::ui::msSansSerif(8.25));

    picker_ = new marunda::ui::DriveFolderPicker(QStringLiteral("Aygıt hazır değil"));

    const ConfirmRow buttons = confirmRow();
    connect(buttons.tamam, &QPushButton::clicked, this, &Kaydet::confirm);
    connect(buttons.iptal, &QPushButton::clicked, this, &Kaydet::reject);

    auto* frame = new QGroupBox(QStringLiteral("Gözat"));
    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(picker_, 1);
    inner->addLayout(buttons.row);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    resize(320, 360);

    picker_->showFolder(startFolder);
}

QString Kaydet::chosenFolder() const {
    return listingFolderText(picker_->folder());
}

void Kaydet::confirm() {
    if (!dokum_) {
        // Its listing window has closed: there is nothing left to fill.
        close();
        return;
    }
    dokum_->setFolder(chosenFolder());
    hide();
}

void Kaydet::reject() {
    close();
}

void Kaydet::closeEvent(QCloseEvent* event) {
    // Not QDialog's handler: it would route the close through reject() once more.
    event->accept();
}

} // namespace marunda::telefon

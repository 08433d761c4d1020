#include "telefon/delete/sil.h"

#include "core/book_edits.h"
#include "core/page_number.h"
#include "telefon/ana/ana.h"
#include "ui/button_row.h"
#include "ui/fonts.h"
#include "ui/message_box.h"
#include "ui/named_child.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace marunda::telefon {

using marunda::ui::MessageBox;

namespace {

const QString kErrorTitle = QStringLiteral("Hata");

QLabel* label(const char* name, const QString& text, const QRect& box, QWidget* parent) {
    return marunda::ui::placed(new QLabel(text, parent), QString::fromLatin1(name), box);
}

QString nameOn(const marunda::RecordStore& store, long long page) {
    if (page > marunda::kMaxPage) {
        return {};
    }
    const auto record = store.readPage(static_cast<int>(page));
    return record ? QString::fromStdString(record.value().text(marunda::Field::name)) : QString();
}

} // namespace

Sil::Sil(Ana& ana)
    : QDialog(&ana)
    , ana_(ana) {
    setObjectName(QStringLiteral("sil"));
    setWindowTitle(QStringLiteral("Telefon Sil"));
    build();
    pageBox_->setText(QString::number(ana_.currentPage()));
}

void Sil::build() {
    setFixedSize(372, 168);
    setFont(marunda::ui::tahoma(8.25));
    auto* frame = new QGroupBox(QStringLiteral("Telefon Silme"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(8, 8, 356, 114);

    auto* warning = label("Label1", QStringLiteral("Dikkat!"), {12, 26, 44, 16}, frame);
    warning->setFont(marunda::ui::tahoma(8.25, true));
    pageBox_ = new QLineEdit(frame);
    pageBox_->setObjectName(QStringLiteral("Text1"));
    pageBox_->setGeometry(60, 23, 48, 21);
    label("Label3", QStringLiteral("nolu sayfadaki"), {114, 26, 80, 16}, frame);
    // A name of 50 characters needs a line of its own.
    name_ = label("Label4", {}, {12, 50, 336, 16}, frame);
    name_->setTextFormat(Qt::PlainText); // a name is never markup
    name_->setFont(marunda::ui::tahoma(8.25, true));
    auto* sentence =
        label("Label5", QStringLiteral("isimli kişiye ait kaydın silinmesini onaylayın..."),
              {12, 72, 336, 32}, frame);
    sentence->setWordWrap(true);

    const auto buttons = marunda::ui::okCancelButtons(this, {184, 132, 86, 26}, 278);
    connect(buttons.ok, &QPushButton::clicked, this, &Sil::deleteTypedPage);
    connect(buttons.cancel, &QPushButton::clicked, this, &Sil::reject);

    connect(pageBox_, &QLineEdit::textChanged, this, &Sil::showNameOfTypedPage);
}

void Sil::showNameOfTypedPage() {
    const auto typed = marunda::readPageNumber(pageBox_->text().toStdString());
    if (typed.value >= 1 && !typed.fraction) {
        name_->setText(nameOn(ana_.store(), typed.value));
    }
}

bool Sil::refuse(long long page, bool fraction, int records) {
    if (page < 1 && !fraction) {
        MessageBox::critical(this, kErrorTitle,
                             QStringLiteral("Lütfen sayfa numarası olarak sayı yazın"));
        pageBox_->clear();
        return true;
    }
    if (records == 0) {
        MessageBox::critical(this, kErrorTitle,
                             QStringLiteral("Rehberde silinecek bir kayıt bulunmuyor."));
        return true;
    }
    if (fraction || page > records) {
        MessageBox::critical(this, kErrorTitle,
                             QStringLiteral("Rehberde bu numarada bir sayfa yok, lütfen 1 ile %1 "
                                            "arasında bir sayfa numarası yazın.")
                                 .arg(records));
        return true;
    }
    return false;
}

void Sil::deleteTypedPage() {
    const auto typed = marunda::readPageNumber(pageBox_->text().toStdString());
    const auto& store = ana_.store();
    const auto records = store.recordCount();
    if (records && refuse(typed.value, typed.fraction, records.value())) {
        return;
    }
    const auto left = records ? marunda::deletePage(store, static_cast<int>(typed.value))
                              : marunda::Result<int>(records.error());
    if (!left) {
        MessageBox::critical(this, QStringLiteral("Beklenmeyen Hata"),
                             QStringLiteral("Silme işlemi sırasında beklenmeyen bir hata oluştu, "
                                            "işlem iptal edildi"));
        return;
    }
    const int shown =
        marunda::pageShownAfterDelete(ana_.currentPage(), static_cast<int>(typed.value));
    ana_.showPage(shown, store.readPage(shown).valueOr(marunda::ContactRecord{}));
    ana_.notice(QStringLiteral("Kayıt Silindi!"));
    accept();
}

} // namespace marunda::telefon

#include "telefon/record_form/record_form.h"
#include "ui/support_contact.h"

#include "core/book_edits.h"
#include "core/cp1254.h"
#include "core/scratch_file.h"
#include "core/text_rules.h"
#include "telefon/ana/ana.h"
#include "telefon/record_form/limited_text_edit.h"
#include "ui/line_ends.h"
#include "ui/message_box.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTimer>

namespace marunda::telefon {

using marunda::BirthdayChoice;
using marunda::ContactRecord;
using marunda::Field;

namespace {

const QString kSaveErrorTitle = QStringLiteral("Kayıt Hatası");
const QString kSaveErrorText =
    QStringLiteral("Kayıt sırasında beklenmeyen bir hata oluştu, lütfen tekrar deneyin. ") +
    marunda::ui::supportSentence();
const QString kBookFullText =
    QStringLiteral("Rehber dolu: yeni bir kayıt için yer kalmadı. Yeni kayıt eklemeden önce "
                   "kullanmadığınız kayıtları silmelisiniz.");
const QString kPageChangedText =
    QStringLiteral("Bu sayfadaki kayıt, pencere açıldıktan sonra silindi ya da değişti; "
                   "değişiklikler kaydedilmedi.");

std::optional<int> chosen(const QComboBox* list, int first) {
    const int index = list->currentIndex();
    return index < 0 ? std::nullopt : std::optional(first + index);
}

void choose(QComboBox* list, const std::optional<int>& value, int first) {
    list->setCurrentIndex(value ? *value - first : -1);
}

} // namespace

RecordForm::RecordForm(Ana& ana, Purpose purpose)
    : QDialog(&ana)
    , ana_(ana)
    , purpose_(purpose) {
    const bool modify = purpose == Purpose::modify;
    setObjectName(modify ? QStringLiteral("degistir") : QStringLiteral("yenitel"));
    setWindowTitle(modify ? QStringLiteral("Telefon Değiştir") : QStringLiteral("Yeni Telefon"));
    buildSections();
    noticeTimer_ = new QTimer(this);
    noticeTimer_->setObjectName(QStringLiteral("Timer1"));
    noticeTimer_->setSingleShot(true);
    noticeTimer_->setInterval(kNoticeMilliseconds);
    connect(noticeTimer_, &QTimer::timeout, birthdayNotice_, &QLabel::hide);
    if (modify) {
        fillFromAna();
    }
}

void RecordForm::fillFromAna() {
    editedPage_ = ana_.currentPage();
    opened_ = ana_.store().readPage(editedPage_).valueOr(ContactRecord{});
    // From the stored record, each field whole: saving a field the user left alone keeps it.
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const auto field = static_cast<Field>(i);
        if (field != Field::birthday) {
            const auto stored = marunda::withoutTrailingBlanks(opened_.text(field));
            setBoxText(field, QString::fromStdString(stored));
        }
    }
    setBirthdayChoice(marunda::parseBirthday(ana_.displayedText(Field::birthday).toStdString()));
    // The scratch file ends up holding the last text taken apart, the tax number.
    (void)marunda::keepScratchLine(ana_.store(),
                                   ana_.displayedText(Field::taxNumber).toStdString());
}

QString RecordForm::boxText(Field field) const {
    const QWidget* box = boxes_[static_cast<std::size_t>(field)];
    if (const auto* line = qobject_cast<const QLineEdit*>(box)) {
        return line->text();
    }
    return marunda::ui::storedLineEnds(static_cast<const LimitedTextEdit*>(box)->toPlainText());
}

void RecordForm::setBoxText(Field field, const QString& text) {
    QWidget* box = boxes_[static_cast<std::size_t>(field)];
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
    } else {
        static_cast<LimitedTextEdit*>(box)->setPlainText(marunda::ui::shownLineEnds(text));
    }
}

BirthdayChoice RecordForm::birthdayChoice() const {
    return {chosen(day_, 1), chosen(month_, 1), chosen(year_, marunda::kFirstBirthYear)};
}

void RecordForm::setBirthdayChoice(const BirthdayChoice& choice) {
    choose(day_, choice.day, 1);
    choose(month_, choice.month, 1);
    choose(year_, choice.year, marunda::kFirstBirthYear);
}

ContactRecord RecordForm::recordFromBoxes(const std::string& birthday) const {
    ContactRecord record;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const auto field = static_cast<Field>(i);
        if (field != Field::birthday) {
            record.setText(field, boxText(field).toStdString());
        }
    }
    record.setText(Field::birthday, birthday);
    return record;
}

void RecordForm::showBirthdayNotice() {
    birthdayNotice_->show();
    noticeTimer_->start();
}

marunda::Result<int> RecordForm::store(const ContactRecord& record) const {
    if (purpose_ == Purpose::modify) {
        return marunda::rewriteRecord(ana_.store(), editedPage_, opened_, record);
    }
    return marunda::appendRecord(ana_.store(), record);
}

void RecordForm::save() {
    const auto birthday = marunda::composeBirthday(birthdayChoice());
    if (!birthday) {
        showBirthdayNotice();
        return;
    }
    if (refuseUnstorableText()) {
        return;
    }
    const auto record = recordFromBoxes(*birthday);
    const auto page = store(record);
    if (!page) {
        // Nothing the user typed is lost: the form stays open for another try.
        const auto code = page.error().code;
        marunda::ui::MessageBox::critical(this, kSaveErrorTitle,
                                          code == marunda::ErrorCode::changed    ? kPageChangedText
                                          : code == marunda::ErrorCode::bookFull ? kBookFullText
                                                                                 : kSaveErrorText);
        return;
    }
    // The main window shows what the book now holds: a note longer than its field is not
    // displayed as if it had been kept whole.
    ana_.showPage(page.value(), record);
    ana_.notice(purpose_ == Purpose::modify ? QStringLiteral("Bilgiler Değiştirildi!")
                                            : QStringLiteral("Telefon Kaydedildi!"));
    accept();
}

bool RecordForm::refuseUnstorableText() {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const auto field = static_cast<Field>(i);
        if (field == Field::birthday) {
            continue;
        }
        const auto outside = marunda::firstOutsideCp1254(boxText(field).toStdString());
        if (!outside) {
            continue;
        }
        // The record's code page has no place for it: saying so beats storing a "?".
        tabs_->setCurrentIndex(fieldSection(field));
        boxes_[i]->setFocus();
        marunda::ui::MessageBox::critical(
            this, QStringLiteral("Hata"),
            QStringLiteral("%1 bilgisinde kullanılamayan bir karakter var: \"%2\". Lütfen bu "
                           "karakter olmadan tekrar deneyin.")
                .arg(fieldCaption(field), QString::fromUcs4(&*outside, 1)));
        return true;
    }
    return false;
}

void RecordForm::keyPressEvent(QKeyEvent* event) {
    // Enter saves from either section, although "Kaydet" stands in the second.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        save();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool RecordForm::eventFilter(QObject* watched, QEvent* event) {
    // The lists only offer choices; Delete or Backspace takes a choice back.
    auto* list = qobject_cast<QComboBox*>(watched);
    if (list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
            list->setCurrentIndex(-1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace marunda::telefon

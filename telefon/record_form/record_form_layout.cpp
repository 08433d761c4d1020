// Where the controls of the record form stand. Both sections share one place under the tabs.
#include "telefon/record_form/record_form.h"

#include "core/birthday_text.h"
#include "telefon/record_form/limited_text_edit.h"
#include "ui/button_row.h"
#include "ui/fonts.h"
#include "ui/named_child.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

#include <algorithm>

namespace marunda::telefon {

using marunda::Field;

namespace {

constexpr QSize kFormSize{400, 410};
constexpr QRect kTabBox{8, 8, 384, 24};
constexpr QRect kFrameBox{8, 32, 384, 370};
constexpr int kCaptionX = 12;
constexpr int kCaptionWidth = 84;
constexpr int kBoxX = 100;
constexpr int kBoxWidth = 272;
constexpr int kLineHeight = 21;

struct BoxPlace {
    Field field;
    const char* name;
    const char* caption;
    int maxLength;
    int section; // 0 or 1
    int y;
    int height; // above one line: a multi-line box
};

// In tab order within each section.
const BoxPlace kBoxPlaces[] = {
    {Field::name, "isimc", "İsim:", 50, 0, 24, kLineHeight},
    {Field::phone1, "tel1c", "Telefon 1:", 30, 0, 50, kLineHeight},
    {Field::phone2, "tel2c", "Telefon 2:", 30, 0, 76, kLineHeight},
    {Field::phone3, "tel3c", "Telefon 3:", 30, 0, 102, kLineHeight},
    {Field::fax, "faxc", "Fax:", 30, 0, 128, kLineHeight},
    {Field::address, "adresc", "Adres:", 200, 0, 154, 56},
    {Field::notes, "notlarc", "Notlar:", 400, 0, 248, 100},
    {Field::email1, "email1c", "E-mail 1:", 50, 1, 24, kLineHeight},
    {Field::email2, "email2c", "E-mail 2:", 30, 1, 50, kLineHeight},
    {Field::email3, "email3c", "E-mail 3:", 30, 1, 76, kLineHeight},
    {Field::icq1, "icq1c", "Icq 1:", 30, 1, 102, kLineHeight},
    {Field::icq2, "icq2c", "Icq 2:", 30, 1, 128, kLineHeight},
    {Field::internet, "internetc", "Internet:", 200, 1, 154, 40},
    {Field::taxNumber, "verginoc", "Vergi No:", 400, 1, 198, 40},
    {Field::taxOffice, "vergic", "Vergi Dairesi:", 400, 1, 242, 40},
};
constexpr int kBirthdayY = 216;

// Captions are Label2, Label3, ... in tab order: Label1 is the birthday notice.
QLabel* caption(const QString& text, int y, int& number, QWidget* frame) {
    return marunda::ui::placed(new QLabel(text, frame), QStringLiteral("Label%1").arg(number++),
                               {kCaptionX, y + 3, kCaptionWidth, 16});
}

} // namespace

void RecordForm::buildSections() {
    setFixedSize(kFormSize);
    setFont(marunda::ui::tahoma(8.25));
    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("TabStrip1"));
    tabs_->setGeometry(kTabBox);
    tabs_->setDrawBase(false);
    const char* const keys[] = {"bolum1", "bolum2"};
    for (int i = 0; i < 2; ++i) {
        const QString title = QStringLiteral("%1. Bölüm").arg(i + 1);
        tabs_->addTab(title);
        tabs_->setTabData(i, QString::fromLatin1(keys[i]));
        frames_[i] = new QGroupBox(title, this);
        frames_[i]->setObjectName(QStringLiteral("Frame%1").arg(i + 1));
        frames_[i]->setGeometry(kFrameBox);
    }
    buildBoxes();
    buildBirthdayLists(frames_[0]);
    buildButtons(frames_[1]);
    connect(tabs_, &QTabBar::currentChanged, this, &RecordForm::showSection);
    showSection(0);
}

void RecordForm::buildBoxes() {
    int captionNumber = 2;
    for (const auto& place : kBoxPlaces) {
        QWidget* frame = frames_[place.section];
        caption(QString::fromUtf8(place.caption), place.y, captionNumber, frame);
        QWidget* box = nullptr;
        if (place.height > kLineHeight) {
            box = new LimitedTextEdit(place.maxLength, frame);
        } else {
            auto* line = new QLineEdit(frame);
            line->setMaxLength(place.maxLength);
            box = line;
        }
        marunda::ui::placed(box, QString::fromLatin1(place.name),
                            {kBoxX, place.y, kBoxWidth, place.height});
        boxes_[static_cast<std::size_t>(place.field)] = box;
        if (place.field == Field::address) {
            caption(QStringLiteral("Doğumgünü:"), kBirthdayY, captionNumber, frame);
        }
    }
}

void RecordForm::buildBirthdayLists(QGroupBox* frame) {
    const struct {
        QComboBox** list;
        const char* name;
        int first;
        int last;
        int x;
        int width;
    } lists[] = {
        {&day_, "gun", 1, 31, kBoxX, 56},
        {&month_, "ay", 1, 12, kBoxX + 64, 56},
        {&year_, "yil", marunda::kFirstBirthYear, marunda::kLastBirthYear, kBoxX + 128, 72},
    };
    QWidget* before = boxes_[static_cast<std::size_t>(Field::address)];
    for (const auto& l : lists) {
        auto* list = new QComboBox(frame);
        list->setObjectName(QString::fromLatin1(l.name));
        for (int value = l.first; value <= l.last; ++value) {
            list->addItem(QString::number(value));
        }
        list->setCurrentIndex(-1);
        list->setGeometry(l.x, kBirthdayY, l.width, kLineHeight + 1);
        list->installEventFilter(this);
        setTabOrder(before, list);
        before = list;
        *l.list = list;
    }
    setTabOrder(before, boxes_[static_cast<std::size_t>(Field::notes)]);
}

void RecordForm::buildButtons(QGroupBox* frame) {
    birthdayNotice_ = new QLabel(QStringLiteral("Doğumgünü bilgilerinde gün ve ay mutlaka "
                                                "girilmelidir"),
                                 frame);
    birthdayNotice_->setObjectName(QStringLiteral("Label1"));
    birthdayNotice_->setGeometry(kCaptionX, 290, 360, 32);
    birthdayNotice_->setWordWrap(true);
    birthdayNotice_->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    birthdayNotice_->hide();

    const auto buttons =
        marunda::ui::okCancelButtons(frame, {186, 330, 86, 26}, 282, QStringLiteral("Kaydet"));
    connect(buttons.ok, &QPushButton::clicked, this, &RecordForm::save);
    connect(buttons.cancel, &QPushButton::clicked, this, &RecordForm::reject);
}

void RecordForm::showSection(int index) {
    const QString key = tabs_->tabData(index).toString();
    const int shown = key == QLatin1String("bolum1") ? 0 : key == QLatin1String("bolum2") ? 1 : -1;
    if (shown < 0) {
        return;
    }
    // Only the section in front takes part in the focus chain.
    frames_[shown]->show();
    frames_[shown]->raise();
    frames_[1 - shown]->hide();
}

namespace {

const BoxPlace& placeOf(Field field) {
    return *std::find_if(std::begin(kBoxPlaces), std::end(kBoxPlaces),
                         [field](const BoxPlace& place) { return place.field == field; });
}

} // namespace

QString RecordForm::fieldCaption(Field field) {
    return QString::fromUtf8(placeOf(field).caption).chopped(1);
}

int RecordForm::fieldSection(Field field) {
    return placeOf(field).section;
}

int RecordForm::visibleSection() const {
    return frames_[0]->isVisibleTo(this) ? 1 : 2;
}

} // namespace marunda::telefon

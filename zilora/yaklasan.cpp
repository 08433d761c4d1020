#include "zilora/yaklasan.h"

#include "core/birthday_scan.h"
#include "core/record_store.h"
#include "update/update_server.h"
#include "zilora/calendar_day.h"
#include "zilora/start_telefon.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QSettings>
#include <QSpinBox>
#include <QTreeWidget>

namespace marunda::zilora {
namespace {

constexpr char kDaysAheadKey[] = "zilora/upcomingDays";
constexpr int kDefaultDaysAhead = 7;
constexpr int kPageRole = Qt::UserRole;
constexpr int kNameRole = Qt::UserRole + 1;

// In the user settings that Telefon and Zilora share.
QVariant setting(const char* key, const QVariant& fallback) {
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                             QString::fromLatin1(kSettingsOrganization),
                             QString::fromLatin1(kSettingsApplication));
    return settings.value(QString::fromLatin1(key), fallback);
}
void setSetting(const char* key, const QVariant& value) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromLatin1(kSettingsOrganization),
                       QString::fromLatin1(kSettingsApplication));
    settings.setValue(QString::fromLatin1(key), value);
}

// "12 Aralık Cumartesi", whatever the system's language.
QString dateText(QDate date) {
    return QLocale(QLocale::Turkish, QLocale::Turkey).toString(date, QStringLiteral("d MMMM dddd"));
}

QString daysLeftText(int days) {
    if (days == 0) {
        return QStringLiteral("Bugün");
    }
    if (days == 1) {
        return QStringLiteral("Yarın");
    }
    return QStringLiteral("%1 gün sonra").arg(days);
}

QTreeWidgetItem* row(const UpcomingBirthday& birthday) {
    const QString name = QString::fromStdString(birthday.name);
    auto* item = new QTreeWidgetItem(
        {dateText(qDate(birthday.date)), name, daysLeftText(birthday.daysLeft),
         birthday.age ? QStringLiteral("%1. yaşı").arg(*birthday.age) : QString()});
    item->setData(0, kPageRole, birthday.page);
    item->setData(0, kNameRole, name);
    return item;
}

} // namespace

Yaklasan::Yaklasan(std::filesystem::path folder, QDate today, QWidget* parent)
    : QWidget(parent)
    , folder_(std::move(folder))
    , today_(today)
    , gun_(new QSpinBox(this))
    , liste_(new QTreeWidget(this))
    , durum_(new QLabel(this)) {
    setObjectName(QStringLiteral("yaklasan"));
    setWindowTitle(QStringLiteral("Yaklaşan Doğum Günleri"));
    resize(460, 320);

    gun_->setObjectName(QStringLiteral("gun"));
    gun_->setRange(0, kMaxDaysAhead);
    gun_->setValue(setting(kDaysAheadKey, kDefaultDaysAhead).toInt());
    liste_->setObjectName(QStringLiteral("liste"));
    liste_->setHeaderLabels({QStringLiteral("Tarih"), QStringLiteral("İsim"),
                             QStringLiteral("Kalan"), QStringLiteral("Yaş")});
    liste_->setRootIsDecorated(false);
    liste_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    durum_->setObjectName(QStringLiteral("durum"));

    auto* days = new QHBoxLayout;
    days->addWidget(new QLabel(QStringLiteral("Önümüzdeki"), this));
    days->addWidget(gun_);
    days->addWidget(new QLabel(QStringLiteral("gün içinde"), this));
    days->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(days);
    layout->addWidget(liste_);
    layout->addWidget(durum_);

    connect(gun_, &QSpinBox::valueChanged, this, [this](int value) {
        setSetting(kDaysAheadKey, value);
        fill();
    });
    connect(liste_, &QTreeWidget::itemDoubleClicked, this, &Yaklasan::openContact);
    fill();
}

void Yaklasan::fill() {
    liste_->clear();
    const auto found = upcomingBirthdays(RecordStore(folder_), calendarDay(today_), gun_->value());
    if (!found) {
        durum_->setText(QStringLiteral("Telefon kayıtları okunamadı"));
        return;
    }
    for (const auto& birthday : found.value()) {
        liste_->addTopLevelItem(row(birthday));
    }
    durum_->setText(found.value().empty() ? QStringLiteral("Bu günlerde doğum günü yok")
                                          : QString());
}

void Yaklasan::openContact(QTreeWidgetItem* item) {
    startTelefon(folder_, pageArguments(item->data(0, kPageRole).toInt(),
                                        item->data(0, kNameRole).toString()));
}

} // namespace marunda::zilora

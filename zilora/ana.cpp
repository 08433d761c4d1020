#include "zilora/ana.h"

#include "ui/notification_area.h"
#include "zilora/menu_on_release.h"
#include "zilora/pasta.h"
#include "zilora/pasta_layout.h"
#include "zilora/start_telefon.h"
#include "zilora/texts.h"

#include <QCloseEvent>
#include <QMenu>
#include <QTimer>

namespace marunda::zilora {
namespace {

// How often to look for a notification area that was not there at start (at logon the
// desktop may bring it up after Zilora).
constexpr int kAreaWatchMs = 500;
// How often the date is looked at.
constexpr int kDateWatchMs = 60 * 1000;

QIcon ziloraIcon() {
    QIcon icon;
    for (int size : {16, 32, 48}) {
        icon.addFile(QStringLiteral(":/pictures/zilora-%1.png").arg(size));
    }
    return icon;
}

} // namespace

Ana::Ana(std::filesystem::path folder, Clock today)
    : folder_(std::move(folder))
    , today_(std::move(today))
    , menu_(new QMenu(QStringLiteral("Program"), this))
    , trayIcon_(new QSystemTrayIcon(this))
    , areaWatch_(new QTimer(this))
    , dateWatch_(new QTimer(this)) {
    setObjectName(QStringLiteral("ana"));
    setWindowTitle(QStringLiteral("Marunda Selvira"));
    setWindowIcon(ziloraIcon());
    setFixedSize(292, 17);
    setFont(comicFont(12, Twips{}));
    buildMenu();
    trayIcon_->setObjectName(QStringLiteral("trayIcon"));
    trayIcon_->setIcon(windowIcon());
    trayIcon_->setToolTip(QStringLiteral("Marunda İçin Selvira (") + credit() +
                          QStringLiteral(")"));
    trayIcon_->setContextMenu(menu_);
    new MenuOnRelease(trayIcon_);
    connect(trayIcon_, &QSystemTrayIcon::activated, this, &Ana::trayActivated);
    areaWatch_->setInterval(kAreaWatchMs);
    connect(areaWatch_, &QTimer::timeout, this, &Ana::showIconWhenTheAreaIsThere);
    dateWatch_->setInterval(kDateWatchMs);
    connect(dateWatch_, &QTimer::timeout, this, &Ana::watchTheDate);
}

Ana::~Ana() {
    delete update_.window();
    delete upcoming_.window();
}

void Ana::buildMenu() {
    menu_->setObjectName(QStringLiteral("menu_program"));
    auto* telefon =
        menu_->addAction(QStringLiteral("Marunda Programını Başlat"), this, &Ana::startTelefon);
    telefon->setObjectName(QStringLiteral("menu_telefon"));
    auto* internet =
        menu_->addAction(QStringLiteral("Internet'ten Bilgi Al"), this, &Ana::openUpdate);
    internet->setObjectName(QStringLiteral("menu_internet"));
    auto* upcoming =
        menu_->addAction(QStringLiteral("Yaklaşan Doğum Günleri"), this, &Ana::openUpcoming);
    upcoming->setObjectName(QStringLiteral("menu_yaklasan"));
    menu_->addSeparator()->setObjectName(QStringLiteral("tre1"));
    auto* kapat = menu_->addAction(QStringLiteral("Selvira'yı Kapat"), this, &Ana::programEnded);
    kapat->setObjectName(QStringLiteral("menu_kapat"));
}

void Ana::load() {
    greet(today_());
    showIconWhenTheAreaIsThere();
    dateWatch_->start();
}

void Ana::watchTheDate() {
    const QDate day = today_();
    if (!greetedDays_.contains(day)) {
        greet(day);
    }
}

// A day's greeting replaces the one before it, seen or not.
void Ana::greet(QDate day) {
    greetedDays_.append(day);
    delete pasta_;
    pasta_ = new Pasta(folder_, day, this);
    pasta_->load();
}

void Ana::showIconWhenTheAreaIsThere() {
    if (!ui::notificationAreaAvailable()) {
        areaWatch_->start();
        return;
    }
    areaWatch_->stop();
    trayIcon_->show();
}

void Ana::trayActivated(QSystemTrayIcon::ActivationReason reason) {
    // The menu comes from the context menu itself; a single click does nothing.
    if (reason == QSystemTrayIcon::DoubleClick) {
        startTelefon();
    }
}

void Ana::startTelefon() {
    zilora::startTelefon(folder_);
}

void Ana::openUpdate() {
    update_.open(folder_, QStringLiteral("Lütfen Bekleyin"));
}

void Ana::openUpcoming() {
    // Read afresh: an open list is closed and made again for today.
    delete upcoming_.window();
    upcoming_.open(folder_, today_());
}

// Closing the form only hides it: the program lives on in the notification area.
void Ana::closeEvent(QCloseEvent* event) {
    hide();
    event->ignore();
}

} // namespace marunda::zilora

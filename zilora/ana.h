#pragma once

#include "ui/single_window.h"
#include "update/update_window.h"
#include "zilora/yaklasan.h"

#include <QDate>
#include <QSystemTrayIcon>
#include <QWidget>

#include <filesystem>
#include <functional>

class QMenu;
class QTimer;

namespace marunda::zilora {

class Pasta;

// Zilora's start-up form "ana": never shown, it owns the notification-area icon and its menu.
class Ana : public QWidget {
    Q_OBJECT
public:
    using Clock = std::function<QDate()>;

    explicit Ana(std::filesystem::path folder, Clock today = &QDate::currentDate);
    ~Ana() override;

    // The greeting first, then the icon.
    void load();

    Pasta* pasta() const { return pasta_; }
    QSystemTrayIcon* trayIcon() const { return trayIcon_; }
    QMenu* menu() const { return menu_; }

    // A new Telefon from the program folder for every request, not waited for.
    void startTelefon();
    void openUpdate();
    // "Yaklaşan Doğum Günleri", read afresh for today.
    void openUpcoming();

    // Greets a day not greeted yet exactly as at start; the watch asks about once a minute,
    // so that midnight and a wake from sleep are noticed.
    void watchTheDate();

signals:
    // "Selvira'yı Kapat": the program ends at once.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void trayActivated(QSystemTrayIcon::ActivationReason reason);
    void showIconWhenTheAreaIsThere();
    void greet(QDate day);

    std::filesystem::path folder_;
    Clock today_;
    Pasta* pasta_ = nullptr;
    QMenu* menu_;
    QSystemTrayIcon* trayIcon_;
    QTimer* areaWatch_;
    QTimer* dateWatch_;
    QList<QDate> greetedDays_;
    ui::SingleWindow<Update> update_;
    ui::SingleWindow<Yaklasan> upcoming_;
};

} // namespace marunda::zilora

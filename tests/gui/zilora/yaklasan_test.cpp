// The window "Yaklaşan Doğum Günleri" from Zilora's menu: the days ahead in order and in words,
// N remembered, and a double-click that shows the contact's page in Telefon.
#include "zilora_test_support.h"

#include "ui/message_box.h"
#include "ui/notification_area.h"
#include "zilora/ana.h"

#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QSpinBox>
#include <QTreeWidget>

using marunda::zilora::Ana;

class YaklasanTest : public QObject {
    Q_OBJECT

    QTemporaryDir settings_;
    std::unique_ptr<guitest::ProgramFolder> folder_;
    std::unique_ptr<Ana> ana_;

    // Opened from the menu, as the user opens it.
    QWidget* open() {
        ana_->menu()->findChild<QAction*>("menu_yaklasan")->trigger();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == "yaklasan" && window->isVisible()) {
                return window;
            }
        }
        return nullptr;
    }
    static QStringList rows(QWidget* window) {
        QStringList rows;
        auto* liste = guitest::control<QTreeWidget>(window, "liste");
        for (int i = 0; i < liste->topLevelItemCount(); ++i) {
            const auto* item = liste->topLevelItem(i);
            rows << item->text(0) + " | " + item->text(1) + " | " + item->text(2) + " | " +
                        item->text(3);
        }
        return rows;
    }

private slots:
    void initTestCase() {
        marunda::ui::MessageBox::setTestMode(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
        QSettings("Marunda", "Marunda").remove("zilora/upcomingDays");
        marunda::ui::setNotificationAreaForTests(true);
        folder_ = std::make_unique<guitest::ProgramFolder>();
        zilora_test::writeBook(*folder_, {{"Yılbaşı", "1/1/2000"},
                                          {"Aslı", "28/12/----"},
                                          {"Uzak", "5/1/1990"},
                                          {"Tuna", "29/12/1990"},
                                          {"Geç", "4/1/2000"}});
#ifdef Q_OS_WIN
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/" STARTED_TELEFON_FILE_NAME,
                            folder_->filePath("Telefon.exe")));
#else
        folder_->write("Telefon", "#!/bin/sh\nprintf '%s\\n' \"$@\" > arguments.new\n"
                                  "mv arguments.new arguments.txt\n");
        QFile::setPermissions(folder_->filePath("Telefon"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
#endif
        ana_ = std::make_unique<Ana>(folder_->path(), [] { return QDate(2026, 12, 28); });
        ana_->load();
    }
    void cleanupTestCase() {
        ana_.reset();
        folder_.reset();
    }

    void listsTheDaysAheadAndRemembersHowMany() {
        QWidget* window = open();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QString("Yaklaşan Doğum Günleri"));
        auto* gun = guitest::control<QSpinBox>(window, "gun");
        QCOMPARE(gun->value(), 7);
        QCOMPARE(rows(window), (QStringList{"28 Aralık Pazartesi | Aslı | Bugün | ",
                                            "29 Aralık Salı | Tuna | Yarın | 36. yaşı",
                                            "1 Ocak Cuma | Yılbaşı | 4 gün sonra | 27. yaşı",
                                            "4 Ocak Pazartesi | Geç | 7 gün sonra | 27. yaşı"}));
        gun->setValue(1);
        QCOMPARE(rows(window).size(), 2);
        window->close();

        // Read afresh when it opens again, with N as it was left.
        zilora_test::writeBook(*folder_, {{"Yılbaşı", "1/1/2000"}, {"Tuna", "29/12/1990"}});
        window = open();
        QCOMPARE(guitest::control<QSpinBox>(window, "gun")->value(), 1);
        QCOMPARE(rows(window), QStringList{"29 Aralık Salı | Tuna | Yarın | 36. yaşı"});
        QCOMPARE(guitest::control<QLabel>(window, "durum")->text(), QString());
        guitest::control<QSpinBox>(window, "gun")->setValue(0);
        QCOMPARE(guitest::control<QLabel>(window, "durum")->text(),
                 QString("Bu günlerde doğum günü yok"));
        window->close();
    }

    void doubleClickShowsTheContactsPageInTelefon() {
        QWidget* window = open();
        auto* gun = guitest::control<QSpinBox>(window, "gun");
        gun->setValue(7);
        auto* liste = guitest::control<QTreeWidget>(window, "liste");
        QCOMPARE(liste->topLevelItem(1)->text(1), QString("Yılbaşı"));
        emit liste->itemDoubleClicked(liste->topLevelItem(1), 1);
        QTRY_COMPARE(folder_->read("arguments.txt"),
                     QString("--sayfa\n1\n--isim\nYılbaşı\n").toUtf8());
        QVERIFY(marunda::ui::MessageBox::shown().isEmpty());
    }
};

QTEST_MAIN(YaklasanTest)
#include "yaklasan_test.moc"

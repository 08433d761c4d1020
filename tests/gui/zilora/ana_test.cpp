// Zilora's start-up form: the icon and its menu, starting Telefon, the update window, ending.
#include "zilora_test_support.h"

#include "ui/message_box.h"
#include "ui/notification_area.h"
#include "zilora/ana.h"
#include "zilora/pasta.h"

#include <QMenu>
#include <QSignalSpy>

using marunda::ui::MessageBox;
using marunda::zilora::Ana;

class AnaTest : public QObject {
    Q_OBJECT

    std::unique_ptr<guitest::ProgramFolder> folder_;
    std::unique_ptr<Ana> ana_;

    Ana* start() {
        ana_ = std::make_unique<Ana>(folder_->path(), [] { return zilora_test::k7December; });
        ana_->load();
        return ana_.get();
    }

    // A stand-in for Telefon that notes each start in a file of its own beside it.
    void installTelefon(const QString& name) {
#ifdef Q_OS_WIN
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/" STARTED_TELEFON_FILE_NAME,
                            folder_->filePath(name + ".exe")));
#else
        folder_->write(name, "#!/bin/sh\necho started > started-$$.txt\n");
        QFile::setPermissions(folder_->filePath(name),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
#endif
    }
    int starts() const {
        return int(QDir(folder_->filePath("")).entryList({"started-*"}, QDir::Files).size());
    }

    QAction* action(const char* name) const {
        return ana_->menu()->findChild<QAction*>(QString::fromLatin1(name));
    }

private slots:
    void initTestCase() {
        MessageBox::setTestMode(true);
    }
    void init() {
        folder_ = std::make_unique<guitest::ProgramFolder>();
        zilora_test::writeBook(*folder_, {{"Ayşe", "7/12/1980"}});
        MessageBox::clearShown();
        marunda::ui::setNotificationAreaForTests(true);
    }
    void cleanup() {
        ana_.reset();
        folder_.reset();
    }

    void greetsFirstThenShowsTheIconWithItsMenu() {
        start();
        QVERIFY(!ana_->isVisible());
        QCOMPARE(ana_->windowTitle(), QStringLiteral("Marunda Selvira"));
        QCOMPARE(ana_->pasta()->names(), QStringList{"Ayşe"});
        QVERIFY(ana_->trayIcon()->isVisible());
        QCOMPARE(ana_->trayIcon()->toolTip(),
                 QStringLiteral("Marunda İçin Selvira (Marunda Geliştirme Ekibi)"));
        QCOMPARE(ana_->trayIcon()->contextMenu(), ana_->menu());
        QCOMPARE(ana_->menu()->objectName(), QStringLiteral("menu_program"));
        QStringList entries;
        for (const QAction* entry : ana_->menu()->actions()) {
            entries << entry->objectName() + ":" + (entry->isSeparator() ? "-" : entry->text());
        }
        QCOMPARE(entries, (QStringList{"menu_telefon:Marunda Programını Başlat",
                                       "menu_internet:Internet'ten Bilgi Al",
                                       "menu_yaklasan:Yaklaşan Doğum Günleri", "tre1:-",
                                       "menu_kapat:Selvira'yı Kapat"}));
    }

    void iconAppearsWhenTheNotificationAreaDoes() {
        marunda::ui::setNotificationAreaForTests(false);
        start();
        QVERIFY(!ana_->trayIcon()->isVisible());
        marunda::ui::setNotificationAreaForTests(true);
        QTRY_VERIFY_WITH_TIMEOUT(ana_->trayIcon()->isVisible(), 2000);
    }

    void doubleClickAndMenuStartANewTelefonEachTime() {
        installTelefon("telefon"); // found whatever its case
        start();
        emit ana_->trayIcon()->activated(QSystemTrayIcon::Trigger);
        emit ana_->trayIcon()->activated(QSystemTrayIcon::DoubleClick);
        emit ana_->trayIcon()->activated(QSystemTrayIcon::DoubleClick);
        QTRY_COMPARE(starts(), 2);
        action("menu_telefon")->trigger();
        QTRY_COMPARE(starts(), 3);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void missingTelefonIsReported_data() {
        QTest::addColumn<bool>("present"); // there, but not a program that can start
        QTest::newRow("missing") << false;
        QTest::newRow("not executable") << true;
    }
    void missingTelefonIsReported() {
        QFETCH(bool, present);
        if (present) {
#ifdef Q_OS_WIN
            folder_->write("Telefon.exe", "not a program");
#else
            folder_->write("Telefon", "not a program");
#endif
        }
        start();
        emit ana_->trayIcon()->activated(QSystemTrayIcon::DoubleClick);
        QCOMPARE(MessageBox::shown().size(), 1);
        const auto shown = MessageBox::shown().first();
        QCOMPARE(shown.icon, MessageBox::Icon::critical);
        QCOMPARE(shown.title, QStringLiteral("Dosya Bulunamadı"));
        QCOMPARE(shown.text, QStringLiteral("Telefon.exe dosyası bulunamıyor, lütfen programı "
                                            "tekrar yükleyin"));
        QVERIFY(ana_->trayIcon()->isVisible());
    }

    void internetOpensOneUpdateWindow() {
        start();
        action("menu_internet")->trigger();
        action("menu_internet")->trigger();
        const auto windows = QApplication::topLevelWidgets();
        const auto updates = std::count_if(windows.begin(), windows.end(), [](QWidget* w) {
            return w->objectName() == "update" && w->isVisible();
        });
        QCOMPARE(updates, 1);
    }

    void onlyKapatEndsTheProgram() {
        start();
        QSignalSpy ended(ana_.get(), &Ana::programEnded);
        ana_->show();
        QVERIFY(!ana_->close());
        QVERIFY(!ana_->isVisible());
        QCOMPARE(ended.size(), 0);
        action("menu_kapat")->trigger();
        QCOMPARE(ended.size(), 1);
    }
};

QTEST_MAIN(AnaTest)
#include "ana_test.moc"

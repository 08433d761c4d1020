// Kur's start and its maintenance choice: reinstall through the installation window with the
// installed folder, or on to the removal window.
#include "gui_test_support.h"
#include "kur/form1.h"
#include "kur/form2.h"
#include "kur/form3.h"
#include "kur/startup.h"
#include "kur_test_support.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include <memory>

using namespace marunda::kur;
using marunda::ui::MessageBox;

class Form3Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<kurtest::Home> home_;

    Windows start() const {
        return marunda::kur::start(home_->fsPath("medium"), home_->fsPath("medium/Kur"));
    }

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init() {
        MessageBox::clearShown();
        home_ = std::make_unique<kurtest::Home>();
    }

    // The log decides: without it the installation window, with it the maintenance choice.
    void startChoosesByTheLog() {
        auto fresh = start();
        QVERIFY(fresh.form1->isVisible());
        QVERIFY(!fresh.form3);

        home_->writeLog(home_->path("Ali, Veli"));
        auto maintenance = start();
        QVERIFY(!maintenance.form1->isVisible());
        QVERIFY(maintenance.form3->isVisible());
        auto* form3 = maintenance.form3.get();
        QCOMPARE(form3->windowTitle(), QString("Marunda 1.7 Kur"));
        QCOMPARE(guitest::control<QRadioButton>(form3, "Option2")->text(),
                 QString("Programı Tekrar Yükle"));
        QCOMPARE(guitest::control<QRadioButton>(form3, "Option1")->text(),
                 QString("Programı Bilgisayardan Kaldır"));
        QCOMPARE(guitest::control<QPushButton>(form3, "Command1")->text(), QString("Tamam"));
        QCOMPARE(guitest::control<QPushButton>(form3, "Command2")->text(), QString("Çıkış"));
        QCOMPARE(MessageBox::shown().size(), 0);
    }

    void reinstallFillsTheInstalledFolder() {
        home_->writeLog(home_->path("Ali, Veli"));
        auto windows = start();
        guitest::click(guitest::control(windows.form3.get(), "Command1"));
        QCOMPARE(kurtest::messages(),
                 QStringList{"Marunda 1.7 Kur: Lütfen önce eğer şu anda çalışıyorsa Marunda ve "
                             "Selvira programlarını kapatın, aksi takdirde kurulum işlemi "
                             "tamamlanamaz"});
        QVERIFY(windows.form1->isVisible());
        QVERIFY(windows.form3->isVisible());
        QCOMPARE(guitest::control<QLineEdit>(windows.form1.get(), "Text1")->text(),
                 QDir::toNativeSeparators(home_->path("Ali, Veli")));
    }

    void removalOpensAfterItsWarning() {
        home_->writeLog(home_->path("Telefon"));
        auto windows = start();
        QSignalSpy ended(windows.form3.get(), &Form3::programEnded);
        guitest::control<QRadioButton>(windows.form3.get(), "Option1")->setChecked(true);
        guitest::click(guitest::control(windows.form3.get(), "Command1"));
        QCOMPARE(kurtest::messages(),
                 QStringList{"Marunda 1.7 Kur: Lütfen önce eğer şu anda çalışıyorsa Marunda ve "
                             "Selvira programlarını kapatın, aksi takdirde programı kaldırma "
                             "işlemi tamamlanamaz"});
        QPointer<Form2> form2 = windows.form3->form2();
        QVERIFY(form2 && form2->isVisible());
        QCOMPARE(guitest::control<QGroupBox>(form2, "Frame1")->title(), QString("Programı Kaldır"));

        guitest::click(guitest::control(form2, "Command2")); // "Çıkış": no question
        QCOMPARE(ended.count(), 1);
        QCOMPARE(MessageBox::shown().size(), 1);
        guitest::click(guitest::control(windows.form3.get(), "Command2"));
        QCOMPARE(MessageBox::shown().size(), 1);
    }
};

QTEST_MAIN(Form3Test)
#include "form3_test.moc"

// Kur's removal window: with and without the backup, a backup that cannot be made, and a folder
// the user shares with the installation.
#include "gui_test_support.h"
#include "installer/installation.h"
#include "kur/form2.h"
#include "kur_test_support.h"

#include <QDateTime>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>

#include <memory>

using marunda::kur::Form2;
using marunda::ui::MessageBox;

namespace {

const QString kBackup = QStringLiteral("Marunda Kayıt Dosyaları/");
const QString kRemoved = QStringLiteral(
    "Marunda 1.7 Kur: Marunda 1.7 Programı bilgisayarınızdan başarıyla kaldırılmıştır");

} // namespace

class Form2Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<kurtest::Home> home_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<QSignalSpy> ended_;

    void kaldir(bool backup) {
        MessageBox::clearShown();
        MessageBox::setNextAnswer(backup);
        guitest::click(guitest::control(form2_.get(), "Command1"));
    }

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init() {
        home_ = std::make_unique<kurtest::Home>();
        const auto report =
            marunda::installer::install({home_->fsPath("medium"), home_->fsPath("medium/Kur"),
                                         home_->path("Telefon").toStdString()},
                                        {[] {}, [] { return true; },
                                         [](int) {
                                         }});
        QCOMPARE(int(report.stop), int(marunda::installer::InstallStop::none));
        home_->write("Telefon/telefon.dat", "book");
        home_->write("Telefon/data.dat", "password");
        form2_ = std::make_unique<Form2>();
        ended_ = std::make_unique<QSignalSpy>(form2_.get(), &Form2::programEnded);
        form2_->show();
    }

    void showsItsControls() {
        QCOMPARE(form2_->windowTitle(), QString("Marunda 1.7 Kur"));
        QCOMPARE(guitest::control<QLabel>(form2_.get(), "Label1")->text(),
                 QString("Marunda 1.7 Programını bilgisayarınızdan kaldırmak istediğinize "
                         "eminseniz Kaldır tuşuna basın."));
        QCOMPARE(guitest::control<QProgressBar>(form2_.get(), "cubuk")->value(), 0);
    }

    // An earlier backup of another book is kept under its date, and the message says so.
    void removesWithTheBackup() {
        home_->write(home_->onDesktop(kBackup + "telefon.dat"), "earlier book");
        QFile earlier(home_->onDesktop(kBackup + "telefon.dat"));
        QVERIFY(earlier.open(QIODevice::ReadWrite));
        QVERIFY(earlier.setFileTime(QDateTime(QDate(2026, 12, 9), QTime(14, 3)),
                                    QFileDevice::FileModificationTime));
        earlier.close();
        kaldir(true);
        const QString kept = QStringLiteral("Marunda Kayıt Dosyaları (2026-12-09 14.03)");
        QCOMPARE(kurtest::messages(),
                 (QStringList{"Marunda 1.7 Kur: Telefon kayıtlarınızın tutulduğu dosyaların "
                              "yedeğinin alınmasını istiyor musunuz?",
                              kRemoved +
                                  "\n\nMasaüstünüzdeki \"Marunda Kayıt Dosyaları\" "
                                  "klasöründe bulunan önceki yedeğiniz silinmedi, \"" +
                                  kept + "\" adıyla aynı yerde saklandı."}));
        QCOMPARE(home_->read(home_->onDesktop(kept + "/telefon.dat")), QByteArray("earlier book"));
        QCOMPARE(home_->read(home_->onDesktop(kBackup + "telefon.dat")), QByteArray("book"));
        QCOMPARE(home_->read(home_->onDesktop(kBackup + "data.dat")), QByteArray("password"));
        QVERIFY(home_->exists(home_->onDesktop(kBackup + "Beni Oku.txt")));
        QVERIFY(!home_->exists("Telefon"));
        QVERIFY(!home_->startsAtLogon());
        QVERIFY(!home_->exists(home_->shortcut()));
        QVERIFY(home_->exists(
            home_->inWindows(QString::fromStdString(marunda::installer::uninstallerName()))));
        QCOMPARE(ended_->count(), 1);
    }

    void failedBackupDeletesNothing() {
        QDir().mkpath(home_->onDesktop(kBackup + "telefon.dat"));
        kaldir(true);
        QCOMPARE(MessageBox::shown().last().icon, MessageBox::Icon::critical);
        QVERIFY(MessageBox::shown().last().text.contains("hiçbir dosya silinmedi"));
        QCOMPARE(home_->read("Telefon/telefon.dat"), QByteArray("book"));
        QVERIFY(home_->exists(home_->inWindows("Marunda_17.log")));
        QCOMPARE(ended_->count(), 0);
    }

    void foreignFilesStayAndAreNamed() {
        home_->write("Telefon/mektup.txt", "mine");
        kaldir(false);
        QCOMPARE(kurtest::messages().last(),
                 kRemoved + "\n\n" + QDir::toNativeSeparators(home_->path("Telefon")) +
                     " klasöründe Marunda'ya ait olmayan dosyalar bulunduğu için bu klasör ve "
                     "içindeki bu dosyalar silinmedi.");
        QCOMPARE(home_->read("Telefon/mektup.txt"), QByteArray("mine"));
        QVERIFY(!home_->exists("Telefon/telefon.dat"));
        QVERIFY(!home_->exists(home_->onDesktop(kBackup)));
    }
};

QTEST_MAIN(Form2Test)
#include "form2_test.moc"

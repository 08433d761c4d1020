// Donusturucu's window: its controls, a conversion through "Dönüştür", and its two messages.
#include "converter/contact_record16.h"
#include "donusturucu/form1.h"
#include "gui_test_support.h"
#include "platform/platform.h"
#include "ui/message_box.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

#include <functional>
#include <memory>

using marunda::donusturucu::Form1;
using marunda::ui::MessageBox;

class Form1Test : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dataHome_;
    std::unique_ptr<guitest::ProgramFolder> own_; // Donusturucu's own folder
    std::unique_ptr<guitest::ProgramFolder> book_;
    std::unique_ptr<Form1> form1_;

    // On Linux the one in the data home below; on Windows the system's own, in the throw-away
    // prefix the tests run in, so that only the log is ever removed from it.
    QString windowsFolder() const {
        const auto folder = marunda::platform::windowsFolder();
        return folder ? QString::fromStdU16String(folder.value().u16string()) : QString();
    }
    void removeLog() const { QFile::remove(windowsFolder() + "/Marunda_16.log"); }
    void writeLog(const QString& folder) const {
        QDir().mkpath(windowsFolder());
        QFile log(windowsFolder() + "/Marunda_16.log");
        QVERIFY(log.open(QIODevice::WriteOnly));
        log.write("\"" + folder.toLatin1() + "\"\r\n");
    }
    // A 1.6 book of `records` pages with its counter, in the folder the log names unless told.
    void write16Book(int records, const guitest::ProgramFolder* folder = nullptr) const {
        QByteArray bytes;
        for (int page = 1; page <= records; ++page) {
            marunda::converter::ContactRecord16 record;
            record.setText(marunda::Field::name, "Şükrü " + std::to_string(page));
            bytes.append(record.bytes().data(), static_cast<qsizetype>(record.bytes().size()));
        }
        const auto& target = folder ? *folder : *book_;
        target.write("telefon.dat", bytes);
        target.write("bilgi.dat", QByteArray::number(records + 1) + "\r\n");
    }
    QProgressBar* cubuk() const { return guitest::control<QProgressBar>(form1_.get(), "cubuk"); }
    QPushButton* donustur() const {
        return guitest::control<QPushButton>(form1_.get(), "Command1");
    }

private slots:
    void initTestCase() {
        QVERIFY(dataHome_.isValid());
        qputenv("XDG_DATA_HOME", dataHome_.path().toLocal8Bit());
        MessageBox::setTestMode(true);
    }
    void init() {
        removeLog();
        MessageBox::clearShown();
        own_ = std::make_unique<guitest::ProgramFolder>();
        book_ = std::make_unique<guitest::ProgramFolder>();
        form1_ = std::make_unique<Form1>(own_->path());
        form1_->show();
    }
    void cleanup() { form1_.reset(); }

    void showsItsControls() {
        QCOMPARE(form1_->windowTitle(), QString("Marunda 1.7 İçin Tavira"));
        QCOMPARE(form1_->size(), QSize(296, 150));
        QCOMPARE(form1_->minimumSize(), form1_->maximumSize());
        QCOMPARE(guitest::control<QGroupBox>(form1_.get(), "Frame1")->title(), QString("Tavira"));
        QCOMPARE(guitest::control<QLabel>(form1_.get(), "Label1")->text(),
                 QString("Tavira programı Marunda 1.6 yüklü bilgisayarlarda eski kayıt "
                         "dosyalarını 1.7 versionuna dönüştürmeye yarar. Bilgisayarınızda Marunda "
                         "1.7 yüklü ise kullanmanıza gerek yoktur."));
        QCOMPARE(donustur()->text(), QString("Dönüştür"));
        QCOMPARE(cubuk()->minimum(), 0);
        QCOMPARE(cubuk()->maximum(), 100);
        QCOMPARE(cubuk()->value(), 0);
        // Nothing happens before the click.
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void convertsWithTheBarMovingInSteps() {
        const int records = 1100;
        write16Book(records);
        writeLog(book_->filePath(""));
        QList<QPair<int, int>> bar;
        connect(cubuk(), &QProgressBar::valueChanged, this, [&](int value) {
            bar.append({value, cubuk()->maximum()});
        });
        QSignalSpy ended(form1_.get(), &Form1::programEnded);

        guitest::click(donustur());

        QCOMPARE(book_->read("telefon.dat").size(), qsizetype(records * 1020));
        QCOMPARE(book_->read("telefon.dat").left(50),
                 QByteArray("\xDE\xFCkr\xFC 1").leftJustified(50));
        QCOMPARE(book_->read("bilgi.dat"), QByteArray("1101,\"17\"\r\n"));
        QVERIFY(book_->exists("telefon_16.dat"));
        QVERIFY(!book_->exists("telefon.tmp"));
        const QList<QPair<int, int>> expected = {
            {512, records}, {1024, records}, {records, records}, {0, records}};
        QCOMPARE(bar, expected);
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(ended.count(), 0);
        QVERIFY(form1_->isVisible());
    }

    void anEmptyBookLeavesTheBarStill() {
        write16Book(0);
        writeLog(book_->filePath(""));
        guitest::click(donustur());
        QCOMPARE(book_->read("bilgi.dat"), QByteArray("1,\"17\"\r\n"));
        QCOMPARE(cubuk()->value(), 0);
        QVERIFY(cubuk()->maximum() > cubuk()->minimum()); // not a busy indicator
    }

    void aSecondClickFindsTheBookConvertedAndEndsTheProgram() {
        write16Book(2);
        writeLog(book_->filePath(""));
        guitest::click(donustur());
        const auto converted = book_->read("telefon.dat");
        QSignalSpy ended(form1_.get(), &Form1::programEnded);

        guitest::click(donustur());

        QCOMPARE(MessageBox::shown().size(), 1);
        const auto shown = MessageBox::shown().first();
        QCOMPARE(shown.icon, MessageBox::Icon::information);
        QCOMPARE(shown.title, QString("Tavira"));
        QCOMPARE(shown.text, QString("Sisteminizde bulunan kayıt dosyaları zaten 1.7 versionuna "
                                     "göre düzenlenmiş"));
        QCOMPARE(ended.count(), 1);
        QCOMPARE(book_->read("telefon.dat"), converted);
    }

    // Without a log, the 1.6 book in its own folder: the one Telefon sent the user here for.
    void convertsTheBookInItsOwnFolderWithoutALog() {
        write16Book(2, own_.get());
        guitest::click(donustur());
        QCOMPARE(own_->read("bilgi.dat"), QByteArray("3,\"17\"\r\n"));
        QCOMPARE(own_->read("telefon.dat").size(), qsizetype(2 * 1020));
        QVERIFY(own_->exists("data.dat")); // as a first run makes it
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void writesBackALostMarkerAndSaysSo() {
        const QByteArray book(2 * 1020, 'a');
        book_->write("telefon.dat", book);
        book_->write("bilgi.dat", "3\r\n");
        writeLog(book_->filePath(""));
        QSignalSpy ended(form1_.get(), &Form1::programEnded);

        guitest::click(donustur());

        QCOMPARE(book_->read("bilgi.dat"), QByteArray("3,\"17\"\r\n"));
        QCOMPARE(book_->read("telefon.dat"), book);
        QVERIFY(!book_->exists("telefon_16.dat"));
        QCOMPARE(MessageBox::shown().size(), 1);
        const auto shown = MessageBox::shown().first();
        QCOMPARE(shown.icon, MessageBox::Icon::information);
        QCOMPARE(shown.title, QString("Tavira"));
        QCOMPARE(shown.text, QString("Sisteminizde bulunan kayıt dosyaları zaten 1.7 versionuna "
                                     "göre düzenlenmiş, yalnızca bilgi.dat dosyasında eksik olan "
                                     "sürüm işareti yeniden yazıldı"));
        QCOMPARE(ended.count(), 0);
    }

    void failuresShowTheStopMessageAndTheWindowStays() {
        const QString notInstalled = "Sisteminizde şu anda Marunda 1.6 yüklü değil yada yanlış "
                                     "yüklenmiş. Lütfen önce 1.6 versionunu yükleyin";
        struct Case {
            const char* what;
            bool log;
            std::function<void()> setUp;
            QString text;
        };
        const Case cases[] = {
            {"no log", false, [&] { write16Book(2); }, notInstalled},
            {"no book in the folder the log names", true, [] {}, notInstalled},
            {"the 1.6 original of another book", true,
             [&] {
                 write16Book(2);
                 book_->write("telefon_16.dat", "eski");
             },
             "Klasörde daha önceki bir dönüştürmeden kalan telefon_16.dat dosyası var. Lütfen bu "
             "dosyayı başka bir klasöre taşıyıp yeniden deneyin"},
            {"a length that reads as either format", true,
             [&] {
                 book_->write("telefon.dat", QByteArray(2 * 1020, 'a'));
                 book_->write("bilgi.dat", "2\r\n");
             },
             "Kayıt dosyalarının 1.6 versionuna mı yoksa 1.7 versionuna mı ait olduğu "
             "anlaşılamadığı için hiçbir kayıt dönüştürülmedi"},
            {"a read-only book", true,
             [&] {
                 write16Book(2);
                 QFile::setPermissions(book_->filePath("telefon.dat"), QFile::ReadOwner);
             },
             "Kayıt dosyalarına yazılamadığı için dönüştürme yapılamadı. Lütfen diskte yer "
             "olduğundan ve dosyaların salt okunur olmadığından emin olup yeniden deneyin"},
        };
        for (const auto& c : cases) {
            MessageBox::clearShown();
            removeLog();
            book_ = std::make_unique<guitest::ProgramFolder>();
            c.setUp();
            if (c.log) {
                writeLog(book_->filePath(""));
            }
            QSignalSpy ended(form1_.get(), &Form1::programEnded);
            guitest::click(donustur());
            QCOMPARE(MessageBox::shown().size(), 1);
            QCOMPARE(MessageBox::shown().first().icon, MessageBox::Icon::critical);
            QCOMPARE(MessageBox::shown().first().title, QString("Hata"));
            QCOMPARE(MessageBox::shown().first().text, c.text);
            QCOMPARE(ended.count(), 0);
            QVERIFY(form1_->isVisible());
            QCOMPARE(cubuk()->value(), 0);
        }
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"

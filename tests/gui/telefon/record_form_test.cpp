// The record form as "Yeni Telefon" and as "Telefon Değiştir": what reaches telefon.dat and
// bilgi.dat, what the main window shows afterwards, and what is refused.
#include "ana_fixture.h"

#include "core/book_edits.h"
#include "core/record_store.h"
#include "telefon/ana/ana.h"
#include "telefon/record_form/limited_text_edit.h"
#include "telefon/record_form/record_form.h"
#include "ui/message_box.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>

#include <filesystem>

using namespace marunda::telefon;

using marunda::ContactRecord;
using marunda::Field;
using marunda::ui::MessageBox;

namespace {

ContactRecord sample() {
    return guitest::record({{Field::name, "Ali     Veli"},
                            {Field::phone1, "555 12 12"},
                            {Field::address, "Atatürk Cad. No 5\r\nKadıköy"},
                            {Field::birthday, "7/12/1970"},
                            {Field::notes, QString(340, QLatin1Char('n'))},
                            {Field::email1, "ali@example.com"},
                            {Field::icq1, "12345 67"},
                            {Field::icq2, "1234567890"},
                            {Field::taxNumber, "1234567890"}});
}

} // namespace

class RecordFormTest : public guitest::AnaFixture {
    Q_OBJECT

private:
    Ana* start(const std::vector<ContactRecord>& book) { return startAna(book); }
    RecordForm* open(int command) {
        guitest::click(guitest::control(ana_.get(), command == 1 ? "com1" : "com3"));
        return ana_->findChild<RecordForm*>(command == 1 ? "yenitel" : "degistir");
    }
    template <class T = QWidget> static T* in(RecordForm* form, const char* name) {
        auto* control = guitest::control<T>(form, name);
        if (!control) {
            qFatal("no control %s", name);
        }
        return control;
    }
    // Key by key, Turkish letters included; "\n" is the Enter key.
    static void type(RecordForm* form, const char* box, const QString& text) {
        QWidget* target = in(form, box);
        for (const QChar ch : text) {
            if (ch == QLatin1Char('\n')) {
                QTest::keyClick(target, Qt::Key_Return);
            } else {
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch),
                                    Qt::NoModifier);
            }
        }
    }
    static void choose(RecordForm* form, const char* list, const QString& item) {
        auto* box = in<QComboBox>(form, list);
        box->setCurrentIndex(box->findText(item));
    }
    static QString boxText(RecordForm* form, const char* name) {
        if (auto* line = guitest::control<QLineEdit>(form, name)) {
            return line->text();
        }
        return in<QPlainTextEdit>(form, name)->toPlainText();
    }
    static void showSection(RecordForm* form, int section) {
        auto* tabs = in<QTabBar>(form, "TabStrip1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(section - 1).center());
    }
    static void press(RecordForm* form, const char* button) {
        showSection(form, 2);
        guitest::click(in(form, button));
    }
    static bool gone(const char* name, const QObject* parent) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return parent->findChild<RecordForm*>(name) == nullptr;
    }
    QString shown(const char* label) const {
        return guitest::control<QLabel>(ana_.get(), label)->text();
    }
    QString notice() const {
        auto* pano = guitest::control<QLabel>(ana_.get(), "pano");
        return pano->isVisible() ? pano->text() : QString();
    }
    QByteArray page(int number) const {
        return folder_->read("telefon.dat").mid((number - 1) * 1020, 1020);
    }
    // A folder in telefon.dat's place: neither readable as a book nor writable.
    void makeBookUnwritable() const {
        const auto book = folder_->path() / "telefon.dat";
        std::filesystem::remove(book);
        std::filesystem::create_directory(book);
        folder_->write("telefon.dat/busy", "x");
    }

private slots:
    void newRecordIsAppendedAndShown_data() {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("birthday");
        QTest::newRow("full date") << "7"
                                   << "12"
                                   << "1970"
                                   << "7/12/1970";
        QTest::newRow("no year") << "31"
                                 << "1"
                                 << ""
                                 << "31/1/----";
        QTest::newRow("no birthday") << ""
                                     << ""
                                     << ""
                                     << "";
    }
    void newRecordIsAppendedAndShown() {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QString, birthday);
        start({guitest::pageRecord(1), guitest::pageRecord(2)});
        auto* form = open(1);
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("Yeni Telefon"));
        type(form, "isimc", "Ayşe Yılmaz");
        type(form, "tel1c", "0212 555 12 12");
        type(form, "adresc", "Bağdat Cad.\nİstanbul");
        choose(form, "gun", day);
        choose(form, "ay", month);
        choose(form, "yil", year);
        showSection(form, 2);
        type(form, "email2c", "ayse@example.com");
        type(form, "vergic", "Kadıköy");
        press(form, "Command1");

        const auto expected = guitest::record({{Field::name, "Ayşe Yılmaz"},
                                               {Field::phone1, "0212 555 12 12"},
                                               {Field::address, "Bağdat Cad.\r\nİstanbul"},
                                               {Field::birthday, birthday},
                                               {Field::email2, "ayse@example.com"},
                                               {Field::taxOffice, "Kadıköy"}});
        QCOMPARE(folder_->read("telefon.dat").size(), 3 * 1020);
        QCOMPARE(page(3), guitest::bytesOf(expected));
        QCOMPARE(folder_->read("bilgi.dat"), guitest::counterFile(4));
        QCOMPARE(shown("sırab"), QStringLiteral("3"));
        QCOMPARE(shown("isimb"), QString::fromStdString(expected.text(Field::name)));
        QCOMPARE(shown("zilorab"), QString::fromStdString(expected.text(Field::birthday)));
        QCOMPARE(notice(), QStringLiteral("Telefon Kaydedildi!"));
        QVERIFY(gone("yenitel", ana_.get()));
    }

    void firstRecordOfAnEmptyBookGoesToPageOne() {
        start({});
        auto* form = open(1);
        QTest::keyClick(in(form, "isimc"), Qt::Key_Return); // Enter saves from section 1 too
        QCOMPARE(folder_->read("telefon.dat"), guitest::bytesOf(ContactRecord{}));
        QCOMPARE(folder_->read("bilgi.dat"), guitest::counterFile(2));
        QCOMPARE(shown("sırab"), QStringLiteral("1"));
    }

    void birthdayWithoutDayOrMonthIsRefused_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        for (int command : {1, 3}) {
            const char* form = command == 1 ? "new" : "modify";
            QTest::addRow("%s, year only", form) << command << ""
                                                 << ""
                                                 << "1970";
            QTest::addRow("%s, month and year", form) << command << ""
                                                      << "12"
                                                      << "1970";
            QTest::addRow("%s, month only", form) << command << ""
                                                  << "12"
                                                  << "";
            QTest::addRow("%s, day only", form) << command << "7"
                                                << ""
                                                << "";
            QTest::addRow("%s, day and year", form) << command << "7"
                                                    << ""
                                                    << "1970";
        }
    }
    void birthdayWithoutDayOrMonthIsRefused() {
        QFETCH(int, command);
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        start({sample()});
        const auto book = folder_->read("telefon.dat");
        auto* form = open(command);
        choose(form, "gun", day);
        choose(form, "ay", month);
        choose(form, "yil", year);
        press(form, "Command1");
        auto* noticeLabel = in<QLabel>(form, "Label1");
        auto* timer = in<QTimer>(form, "Timer1");
        QVERIFY(noticeLabel->isVisible());
        QCOMPARE(noticeLabel->text(),
                 QStringLiteral("Doğumgünü bilgilerinde gün ve ay mutlaka girilmelidir"));
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), RecordForm::kNoticeMilliseconds);
        QCOMPARE(folder_->read("telefon.dat"), book);
        QCOMPARE(folder_->read("bilgi.dat"), guitest::counterFile(2));
        QVERIFY(form->isVisible());
        timer->setInterval(0); // let the five seconds pass at once
        QTRY_VERIFY(!noticeLabel->isVisible());
        QCOMPARE(in<QComboBox>(form, "yil")->currentText(), year);
    }

    void longInputsAreCutToTheirFields() {
        start({});
        auto* form = open(1);
        type(form, "notlarc", QString(410, QLatin1Char('a')));
        QCOMPARE(boxText(form, "notlarc").size(), 400);
        showSection(form, 2);
        type(form, "icq1c", QString(35, QLatin1Char('7')));
        QCOMPARE(boxText(form, "icq1c").size(), 30);
        type(form, "email1c", QString(55, QLatin1Char('e')));
        type(form, "internetc", QString(210, QLatin1Char('w')));
        QCOMPARE(boxText(form, "internetc").size(), 200);
        press(form, "Command1");
        const auto stored = ContactRecord::fromBytes(page(1).toStdString());
        QCOMPARE(stored.text(Field::notes), std::string(340, 'a'));
        QCOMPARE(stored.text(Field::icq1), std::string(10, '7'));
        QCOMPARE(stored.text(Field::email1), std::string(40, 'e'));
        QCOMPARE(stored.text(Field::internet), std::string(50, 'w'));
        // The main window shows what the book now holds, not the longer typing.
        QCOMPARE(shown("notlarb"), QString(340, QLatin1Char('a')));
    }

    void pastingIntoAFullBoxKeepsTheLimit() {
        start({});
        auto* form = open(1);
        auto* notes = in<LimitedTextEdit>(form, "notlarc");
        notes->setPlainText(QString(398, QLatin1Char('a')));
        notes->moveCursor(QTextCursor::Start);
        notes->insertPlainText(QStringLiteral("xyz"));
        QCOMPARE(notes->toPlainText(), QStringLiteral("xy") + QString(398, QLatin1Char('a')));
    }

    // A line break takes two characters in the record, so a full box still fits its field.
    void lineBreaksCountAsTheyAreStored() {
        start({});
        auto* form = open(1);
        type(form, "adresc", QString(150, QLatin1Char('a')) + "\n" + QString(60, QLatin1Char('b')));
        const auto typed = boxText(form, "adresc");
        QCOMPARE(typed, QString(150, QLatin1Char('a')) + "\n" + QString(48, QLatin1Char('b')));
        auto* address = in<LimitedTextEdit>(form, "adresc");
        address->moveCursor(QTextCursor::End);
        QTest::keyClick(address, Qt::Key_Return, Qt::ShiftModifier); // a line break, not a block
        QCOMPARE(boxText(form, "adresc"), typed);
        address->selectAll();
        address->insertPlainText(QString(199, QLatin1Char('c')) + "\nd");
        QCOMPARE(boxText(form, "adresc"), QString(199, QLatin1Char('c')));
        address->setPlainText(typed);
        press(form, "Command1");
        const auto stored = ContactRecord::fromBytes(page(1).toStdString());
        QCOMPARE(QString::fromStdString(stored.text(Field::address)),
                 QString(typed).replace(QLatin1Char('\n'), QLatin1String("\r\n")));
    }

    void cancelWritesNothing_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("escape");
        QTest::newRow("new, İptal") << 1 << false;
        QTest::newRow("new, Esc") << 1 << true;
        QTest::newRow("modify, İptal") << 3 << false;
        QTest::newRow("modify, Esc") << 3 << true;
    }
    void cancelWritesNothing() {
        QFETCH(int, command);
        QFETCH(bool, escape);
        start({sample()});
        const auto book = folder_->read("telefon.dat");
        auto* form = open(command);
        type(form, "isimc", "Yeni");
        choose(form, "gun", "3");
        if (escape) {
            QTest::keyClick(in(form, "isimc"), Qt::Key_Escape);
        } else {
            press(form, "Command2");
        }
        QVERIFY(gone(command == 1 ? "yenitel" : "degistir", ana_.get()));
        QCOMPARE(folder_->read("telefon.dat"), book);
        QCOMPARE(folder_->read("bilgi.dat"), guitest::counterFile(2));
        QCOMPARE(notice(), QString());
    }

    void fullBookIsRefusedBeforeAnythingIsWritten() {
        start({sample()});
        folder_->write("bilgi.dat", guitest::counterFile(marunda::kMaxPage));
        auto* form = open(1);
        type(form, "isimc", "Fazla");
        press(form, "Command1");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown()[0].title, QStringLiteral("Kayıt Hatası"));
        QVERIFY(MessageBox::shown()[0].text.startsWith(QStringLiteral("Rehber dolu")));
        QCOMPARE(folder_->read("telefon.dat"), guitest::bytesOf(sample()));
        QCOMPARE(folder_->read("bilgi.dat"), guitest::counterFile(marunda::kMaxPage));
        QVERIFY(form->isVisible());
        QCOMPARE(boxText(form, "isimc"), QStringLiteral("Fazla"));
    }

    void characterOutsideTheCodePageIsRefused() {
        start({sample()});
        auto* form = open(3);
        type(form, "vergic", "Ω");
        press(form, "Command1");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown()[0].text,
                 QStringLiteral("Vergi Dairesi bilgisinde kullanılamayan bir karakter var: \"Ω\". "
                                "Lütfen bu karakter olmadan tekrar deneyin."));
        QCOMPARE(folder_->read("telefon.dat"), guitest::bytesOf(sample()));
        QVERIFY(form->isVisible());
    }

    void writeProtectedBookIsShownButNotWritten() {
        folder_->writeBook({sample()});
        std::filesystem::permissions(folder_->path() / "telefon.dat",
                                     std::filesystem::perms::owner_read);
        startAna();
        QCOMPARE(shown("isimb").trimmed(), QStringLiteral("Ali     Veli"));
        QVERIFY(MessageBox::shown().isEmpty());
        auto* form = open(1);
        type(form, "isimc", "Yeni");
        press(form, "Command1");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown()[0].title, QStringLiteral("Kayıt Hatası"));
        QVERIFY(MessageBox::shown()[0].text.endsWith(
            QStringLiteral("Marunda Destek Ekibi ile destek@example.com adresinden iletişime "
                           "geçebilirsiniz.")));
        QCOMPARE(folder_->read("telefon.dat"), guitest::bytesOf(sample()));
        QCOMPARE(folder_->read("bilgi.dat"), guitest::counterFile(2));
    }

    void unwritableBookKeepsTheFormAndItsInput_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("new") << 1;
        QTest::newRow("modify") << 3;
    }
    void unwritableBookKeepsTheFormAndItsInput() {
        QFETCH(int, command);
        start({sample()});
        auto* form = open(command);
        type(form, "tel2c", "444 0 444");
        makeBookUnwritable();
        press(form, "Command1");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown()[0].icon, MessageBox::Icon::critical);
        QCOMPARE(MessageBox::shown()[0].title, QStringLiteral("Kayıt Hatası"));
        QVERIFY(form->isVisible());
        QCOMPARE(boxText(form, "tel2c"), QStringLiteral("444 0 444"));
        QCOMPARE(folder_->read("bilgi.dat"), guitest::counterFile(2));
        QCOMPARE(notice(), QString());
    }

    void modifyCopiesTheDisplayedTexts() {
        start({sample()});
        auto* form = open(3);
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("Telefon Değiştir"));
        QCOMPARE(boxText(form, "isimc"), QStringLiteral("Ali     Veli"));
        QCOMPARE(boxText(form, "tel1c"), QStringLiteral("555 12 12"));
        QCOMPARE(boxText(form, "adresc"), QStringLiteral("Atatürk Cad. No 5\nKadıköy"));
        QCOMPARE(boxText(form, "notlarc"), QString(340, QLatin1Char('n')));
        QCOMPARE(boxText(form, "email1c"), QStringLiteral("ali@example.com"));
        QCOMPARE(boxText(form, "icq1c"), QStringLiteral("12345 67"));
        QCOMPARE(boxText(form, "icq2c"), QStringLiteral("1234567890"));
        QCOMPARE(boxText(form, "faxc"), QString());
        QCOMPARE(in<QComboBox>(form, "gun")->currentText(), QStringLiteral("7"));
        QCOMPARE(in<QComboBox>(form, "ay")->currentText(), QStringLiteral("12"));
        QCOMPARE(in<QComboBox>(form, "yil")->currentText(), QStringLiteral("1970"));
        QCOMPARE(folder_->read("sirali.tmp"),
                 QByteArray("1234567890") + QByteArray(40, ' ') + "\r\n");
    }

    void modifySetsTheBirthdayListsFromTheDisplay_data() {
        QTest::addColumn<QString>("birthday");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::newRow("no year") << "31/1/----"
                                 << "31"
                                 << "1"
                                 << "";
        QTest::newRow("none") << ""
                              << ""
                              << ""
                              << "";
        QTest::newRow("no slash") << "1970"
                                  << ""
                                  << ""
                                  << "";
        QTest::newRow("garbage") << "ab/c/d"
                                 << ""
                                 << ""
                                 << "";
        QTest::newRow("year out of range") << "7/12/3000"
                                           << "7"
                                           << "12"
                                           << "";
        QTest::newRow("day out of range") << "32/12/1970"
                                          << ""
                                          << "12"
                                          << "1970";
        QTest::newRow("twenty digits") << "12345678901234567890"
                                       << ""
                                       << ""
                                       << "";
    }
    void modifySetsTheBirthdayListsFromTheDisplay() {
        QFETCH(QString, birthday);
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        start({guitest::record({{Field::name, "Ali"}, {Field::birthday, birthday}})});
        auto* form = open(3);
        QCOMPARE(in<QComboBox>(form, "gun")->currentText(), day);
        QCOMPARE(in<QComboBox>(form, "ay")->currentText(), month);
        QCOMPARE(in<QComboBox>(form, "yil")->currentText(), year);
    }

    void modifyWithoutChangesKeepsTheBytes() {
        start({sample(), guitest::pageRecord(2)});
        auto* form = open(3);
        press(form, "Command1");
        QCOMPARE(page(1), guitest::bytesOf(sample()));
        QCOMPARE(page(2), guitest::bytesOf(guitest::pageRecord(2)));
        QCOMPARE(folder_->read("bilgi.dat"), guitest::counterFile(3));
        QCOMPARE(notice(), QStringLiteral("Bilgiler Değiştirildi!"));
        QVERIFY(gone("degistir", ana_.get()));
    }

    void modifySavesThePageItWasOpenedFor() {
        start({guitest::pageRecord(1), guitest::pageRecord(2), guitest::pageRecord(3)});
        guitest::click(guitest::control(ana_.get(), "ileri"));
        QCOMPARE(shown("sırab"), QStringLiteral("2"));
        auto* form = open(3);
        in<QLineEdit>(form, "isimc")->clear();
        type(form, "isimc", "Değişti");
        guitest::click(guitest::control(ana_.get(), "ileri"));
        QCOMPARE(shown("sırab"), QStringLiteral("3"));
        press(form, "Command1");
        auto expected = guitest::pageRecord(2);
        expected.setText(Field::name, "Değişti");
        expected.setText(Field::birthday, ""); // "birthday2" is no birthday the lists can hold
        QCOMPARE(page(2), guitest::bytesOf(expected));
        QCOMPARE(page(3), guitest::bytesOf(guitest::pageRecord(3)));
        QCOMPARE(shown("sırab"), QStringLiteral("2"));
        QCOMPARE(shown("isimb"), QString::fromStdString(expected.text(Field::name)));
    }

    void modifyRefusesAPageDeletedMeanwhile() {
        start({guitest::pageRecord(1), guitest::pageRecord(2), guitest::pageRecord(3)});
        guitest::click(guitest::control(ana_.get(), "ileri"));
        auto* form = open(3);
        type(form, "isimc", " değişti");
        QVERIFY(marunda::deletePage(folder_->store(), 2)); // as "Telefon Sil" does
        press(form, "Command1");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown()[0].title, QStringLiteral("Kayıt Hatası"));
        QCOMPARE(folder_->read("telefon.dat"), guitest::bytesOf(guitest::pageRecord(1)) +
                                                   guitest::bytesOf(guitest::pageRecord(3)));
        QVERIFY(form->isVisible());
        QCOMPARE(boxText(form, "isimc"), QStringLiteral("name2 değişti"));
    }

    void secondClickKeepsTheOpenFormAsItIs() {
        start({sample(), guitest::pageRecord(2)});
        auto* form = open(3);
        type(form, "isimc", " Veli");
        choose(form, "gun", "9");
        guitest::click(guitest::control(ana_.get(), "ileri"));
        QCOMPARE(open(3), form);
        QCOMPARE(ana_->findChildren<RecordForm*>("degistir").size(), 1);
        QCOMPARE(boxText(form, "isimc"), QStringLiteral("Ali     Veli Veli"));
        QCOMPARE(boxText(form, "tel1c"), QStringLiteral("555 12 12"));
        QCOMPARE(in<QComboBox>(form, "gun")->currentText(), QStringLiteral("9"));
        QCOMPARE(form->editedPage(), 1);
    }

    void modifyOfTheEmptyPageOfAnEmptyBookCountsTheRecord() {
        start({});
        auto* form = open(3);
        type(form, "isimc", "İlk");
        press(form, "Command1");
        QCOMPARE(folder_->read("telefon.dat"),
                 guitest::bytesOf(guitest::record({{Field::name, "İlk"}})));
        QCOMPARE(folder_->read("bilgi.dat"), guitest::counterFile(2));
    }

    void birthdayChoiceCanBeTakenBack() {
        start({sample()});
        auto* form = open(3);
        for (const char* list : {"gun", "ay", "yil"}) {
            QTest::keyClick(in(form, list), Qt::Key_Delete);
        }
        press(form, "Command1");
        QCOMPARE(ContactRecord::fromBytes(page(1).toStdString()).text(Field::birthday),
                 std::string(20, ' '));
    }

    void tabsBringTheirSectionToTheFront() {
        start({});
        auto* form = open(1);
        QCOMPARE(form->visibleSection(), 1);
        QVERIFY(in(form, "isimc")->isVisible());
        QVERIFY(!in(form, "Command1")->isVisible());
        showSection(form, 2);
        QCOMPARE(form->visibleSection(), 2);
        QVERIFY(!in(form, "isimc")->isVisible());
        QVERIFY(in(form, "email1c")->isVisible());
        QVERIFY(!in(form, "Label1")->isVisible());
        showSection(form, 1);
        QCOMPARE(form->visibleSection(), 1);
    }
};

QTEST_MAIN(RecordFormTest)
#include "record_form_test.moc"

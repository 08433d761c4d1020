// The start-up password step and its prompt.
#include "ana_fixture.h"

#include "telefon/ana/ana.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

using namespace marunda::telefon;

using marunda::ui::MessageBox;

using guitest::passwordFile;
using guitest::passwordFiller;

namespace {

const QString kWrongTitle = QStringLiteral("Yanlış Şifre");
const QString kWrongText = QStringLiteral("Yazdığınız şifre yanlış, lütfen tekrar deneyin");

} // namespace

class Pass1Test : public guitest::AnaFixture {
    Q_OBJECT

private:
    void start(const QByteArray& dataDat) {
        folder_->writeBook({guitest::pageRecord(1)});
        folder_->write("data.dat", dataDat);
        startAna();
        if (prompt()) {
            // Keys go to the active window, as they do for the user.
            QApplication::setActiveWindow(prompt());
        }
    }
    QDialog* prompt() const { return guitest::control<QDialog>(ana_.get(), "pass1"); }
    QLineEdit* entry() const { return guitest::control<QLineEdit>(prompt(), "Text1"); }
    void type(const QString& text) {
        entry()->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(entry(), Qt::Key_Backspace);
        } else {
            guitest::typeText(entry(), text);
        }
    }

private slots:
    void freshFileOpensWithoutPrompt() {
        start(passwordFiller());
        QVERIFY(!prompt());
        QVERIFY(ana_->isVisible());
        QVERIFY(!ana_->hasEnded());
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void promptAcceptsOnlyTheExactPassword_data() {
        QTest::addColumn<QByteArray>("dataDat");
        QTest::addColumn<QStringList>("refused");
        QTest::addColumn<QString>("accepted");
        QTest::newRow("three letters")
            << passwordFile('3', "abc") << QStringList{"ABC", "ab", "abcd"} << "abc";
        QTest::newRow("length 0") << passwordFile('0', "") << QStringList{"a", " "} << "";
        QTest::newRow("Turkish letters")
            << passwordFile('3', "\xFE\xFD\x6B") << QStringList{"ŞIK", "sik"} << "şık";
        // Left behind by a longer password that was replaced by a shorter one.
        QTest::newRow("old characters beyond the length")
            << passwordFile('2', "xyzabc") << QStringList{"xyzabc", "x"} << "xy";
    }
    void promptAcceptsOnlyTheExactPassword() {
        QFETCH(QByteArray, dataDat);
        QFETCH(QStringList, refused);
        QFETCH(QString, accepted);
        start(dataDat);
        QVERIFY(prompt());
        QVERIFY(prompt()->isVisible());
        QVERIFY(!ana_->isVisible());
        QCOMPARE(entry()->echoMode(), QLineEdit::Password);
        QCOMPARE(entry()->displayText(), QString());

        for (const QString& attempt : refused) {
            MessageBox::clearShown();
            type(attempt);
            guitest::click(guitest::control<QPushButton>(prompt(), "Command1"));
            QCOMPARE(MessageBox::shown().size(), 1);
            QCOMPARE(MessageBox::shown().first().icon, MessageBox::Icon::critical);
            QCOMPARE(MessageBox::shown().first().title, kWrongTitle);
            QCOMPARE(MessageBox::shown().first().text, kWrongText);
            QCOMPARE(entry()->selectedText(), attempt);
            QVERIFY(prompt()->isVisible());
            QVERIFY(!ana_->isVisible());
        }
        MessageBox::clearShown();
        type(accepted);
        QTest::keyClick(entry(), Qt::Key_Return); // "Tamam" is the default button
        QVERIFY(MessageBox::shown().isEmpty());
        QVERIFY(ana_->isVisible());
        QVERIFY(!ana_->hasEnded());
        QVERIFY(!prompt() || !prompt()->isVisible());
    }

    void everyWayOutButThePasswordEndsTheProgram_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("İptal") << "cancel";
        QTest::newRow("Esc") << "escape";
        QTest::newRow("close box") << "close";
        // The focused button takes Enter, not the default one.
        QTest::newRow("Enter on İptal") << "enter on cancel";
    }
    void everyWayOutButThePasswordEndsTheProgram() {
        QFETCH(QString, way);
        const QByteArray dataDat = passwordFile('3', "abc");
        start(dataDat);
        QVERIFY(prompt());
        type("abc");
        if (way == "cancel") {
            guitest::click(guitest::control<QPushButton>(prompt(), "Command2"));
        } else if (way == "escape") {
            QTest::keyClick(entry(), Qt::Key_Escape);
        } else if (way == "enter on cancel") {
            auto* command2 = guitest::control<QPushButton>(prompt(), "Command2");
            command2->setFocus(Qt::TabFocusReason);
            QTest::keyClick(command2, Qt::Key_Return);
        } else {
            prompt()->close();
        }
        QVERIFY(ana_->hasEnded());
        QVERIFY(!ana_->isVisible());
        QCOMPARE(folder_->read("data.dat"), dataDat);
    }

    void unusablePasswordFileEndsTheProgram_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("dataDat");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString missing =
            QStringLiteral("'data.dat' dosyası bulunamıyor, bu dosya olmadan program çalışamaz");
        const QString damaged =
            QStringLiteral("'data.dat' dosyası bozuk, bu dosya olmadan program çalışamaz");
        QTest::newRow("missing") << false << QByteArray() << "Dosya Bulunamıyor" << missing;
        QTest::newRow("empty") << true << QByteArray() << "Dosya Bozuk" << damaged;
        QTest::newRow("length past the end")
            << true << passwordFiller().left(40).replace(0, 1, "3") << "Dosya Bozuk" << damaged;
    }
    void unusablePasswordFileEndsTheProgram() {
        QFETCH(bool, present);
        QFETCH(QByteArray, dataDat);
        QFETCH(QString, title);
        QFETCH(QString, text);
        folder_->writeBook({guitest::pageRecord(1)});
        if (present) {
            folder_->write("data.dat", dataDat);
        } else {
            QFile::remove(folder_->filePath("data.dat"));
        }
        ana_ = std::make_unique<Ana>(folder_->store());
        ana_->startUp();
        QVERIFY(ana_->hasEnded());
        QVERIFY(!prompt());
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().icon, MessageBox::Icon::critical);
        QCOMPARE(MessageBox::shown().first().title, title);
        QCOMPARE(MessageBox::shown().first().text, text);
        QCOMPARE(folder_->exists("data.dat"), present);
        if (present) {
            QCOMPARE(folder_->read("data.dat"), dataDat);
        }
    }
};

QTEST_MAIN(Pass1Test)
#include "pass1_test.moc"

// The window that puts on, changes and removes the start-up password.
#include "ana_fixture.h"

#include "core/password_file.h"
#include "telefon/ana/ana.h"
#include "ui/colours.h"
#include "ui/command_label.h"
#include "ui/message_box.h"
#include "ui/shapes.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <memory>
#include <optional>

using namespace marunda::telefon;

using marunda::ui::MessageBox;
namespace colours = marunda::ui::colours;

using guitest::passwordFile;
using guitest::passwordFiller;

namespace {

// What the user can act on, as the rows of the window's state table.
struct State {
    bool ticked;
    bool checkEnabled;
    bool oldGroup;
    bool newGroup;
    bool command1;
    QString defaultButton;

    bool operator==(const State&) const = default;
};

const State kNoPasswordOff{false, true, false, false, true, "Command1"};
const State kNoPasswordOn{true, true, false, true, true, "Command1"};
const State kLockedAfterLoad{true, false, true, false, false, "Command3"};
const State kLockedAgain{true, true, true, false, false, "Command3"};
const State kUnlocked{true, true, false, true, true, "Command1"};
const State kUnlockedOff{false, true, false, false, true, "Command1"};

char* describe(const State& s) {
    return QTest::toString(QStringLiteral("ticked %1 check %2 old %3 new %4 command1 %5 default %6")
                               .arg(s.ticked)
                               .arg(s.checkEnabled)
                               .arg(s.oldGroup)
                               .arg(s.newGroup)
                               .arg(s.command1)
                               .arg(s.defaultButton));
}

} // namespace

namespace QTest {
template <> char* toString(const State& s) {
    return describe(s);
}
} // namespace QTest

class PassTest : public guitest::AnaFixture {
    Q_OBJECT

private:
    QDialog* open(const QByteArray& dataDat) {
        folder_->writeBook({guitest::pageRecord(1)});
        folder_->write("data.dat", passwordFiller());
        startAna();
        // Written after start-up, so that no prompt stands in the way.
        folder_->write("data.dat", dataDat);
        auto* com8 = guitest::control<marunda::ui::CommandLabel>(ana_.get(), "com8");
        guitest::hover(com8);
        guitest::click(com8);
        // Keys go to the active window, as they do for the user.
        QApplication::setActiveWindow(window());
        return window();
    }
    QDialog* window() const { return guitest::control<QDialog>(ana_.get(), "pass"); }
    template <class T = QWidget> T* in(const char* name) const {
        return guitest::control<T>(window(), name);
    }
    void clickOn(const char* name) const { guitest::click(in(name)); }
    void fill(const char* name, const QString& text) const {
        auto* box = in<QLineEdit>(name);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        guitest::typeText(box, text);
    }
    // A group counts as enabled when its frame and every member are, as disabled when none is.
    std::optional<bool> group(std::initializer_list<const char*> names) const {
        std::optional<bool> enabled;
        for (const char* name : names) {
            const bool each = in(name)->isEnabled();
            if (enabled && *enabled != each) {
                return std::nullopt;
            }
            enabled = each;
        }
        return enabled;
    }
    State state() const {
        QString defaultButton;
        for (const char* name : {"Command1", "Command3", "command2"}) {
            if (in<QPushButton>(name)->isDefault()) {
                defaultButton += name;
            }
        }
        const auto oldGroup = group({"Frame3", "Label3", "Label4", "Text1", "Command3"});
        const auto newGroup = group({"Frame1", "Label1", "Label2", "sifre1", "sifre2"});
        if (!oldGroup || !newGroup) {
            defaultButton = "a group half enabled";
        }
        return {in<QCheckBox>("Check1")->isChecked(),
                in("Check1")->isEnabled(),
                oldGroup.value_or(false),
                newGroup.value_or(false),
                in("Command1")->isEnabled(),
                defaultButton};
    }
    void closeWindow() const {
        window()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString frame1Title() const { return in<QGroupBox>("Frame1")->title(); }
    QTimer* timer1() const { return guitest::control<QTimer>(window(), "Timer1"); }
    void expectClosedWithNormalColours() const {
        QVERIFY(!window() || !window()->isVisible());
        QCOMPARE(guitest::control<marunda::ui::CommandLabel>(ana_.get(), "com8")->textColour(),
                 colours::commandNormal);
        QCOMPARE(guitest::control<marunda::ui::MarkerShape>(ana_.get(), "com8b")->fill(),
                 colours::pageNormal);
    }
    QLabel* pano() const { return guitest::control<QLabel>(ana_.get(), "pano"); }

private slots:
    void everyStateIsReachedByClicks() {
        open(passwordFiller());
        QVERIFY(window());
        QCOMPARE(window()->windowTitle(), QStringLiteral("Şifre"));
        QCOMPARE(state(), kNoPasswordOff);
        QCOMPARE(frame1Title(), QStringLiteral("Şifre Koy"));
        clickOn("Check1");
        QCOMPARE(state(), kNoPasswordOn);
        clickOn("Check1");
        QCOMPARE(state(), kNoPasswordOff);

        closeWindow();
        open(passwordFile('3', "abc"));
        QCOMPARE(state(), kLockedAfterLoad);
        QCOMPARE(frame1Title(), QStringLiteral("Şifre Değiştir"));
        fill("Text1", "abc");
        QTest::keyClick(in("Text1"), Qt::Key_Return); // Command3 is the default button
        QCOMPARE(state(), kUnlocked);
        QCOMPARE(frame1Title(), QStringLiteral("Şifre Değiştir"));
        clickOn("Check1");
        QCOMPARE(state(), kUnlockedOff);
        clickOn("Check1");
        QCOMPARE(state(), kLockedAgain);
        QCOMPARE(in<QLineEdit>("Text1")->text(), QString());
        // From a locked state reached by ticking, unticking frees Command1 but keeps Command3
        // as the default button.
        clickOn("Check1");
        QCOMPARE(state(), (State{false, true, false, false, true, "Command3"}));
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void passwordBoxesShowStarsAndHoldNineCharacters() {
        open(passwordFiller());
        clickOn("Check1");
        for (const char* name : {"Text1", "sifre1", "sifre2"}) {
            QCOMPARE(in<QLineEdit>(name)->maxLength(), marunda::kMaxPasswordLength);
            QCOMPARE(in<QLineEdit>(name)->echoMode(), QLineEdit::Password);
        }
        fill("sifre1", "abcdefghijkl");
        QCOMPARE(in<QLineEdit>("sifre1")->text(), QStringLiteral("abcdefghi"));
        QCOMPARE(in<QLineEdit>("sifre1")->displayText(), QStringLiteral("*********"));
    }

    void wrongOldPasswordWarnsForOneInterval() {
        const QByteArray dataDat = passwordFile('3', "abc");
        open(dataDat);
        fill("Text1", "ABC");
        clickOn("Command3");
        QCOMPARE(state(), kLockedAfterLoad);
        QVERIFY(in("Label5")->isVisible());
        QCOMPARE(in<QLineEdit>("Text1")->selectedText(), QStringLiteral("ABC"));
        QVERIFY(timer1()->isActive());
        QCOMPARE(timer1()->interval(), 1000);
        QMetaObject::invokeMethod(timer1(), "timeout");
        QVERIFY(!in("Label5")->isVisible());
        QVERIFY(!timer1()->isActive());
        QCOMPARE(folder_->read("data.dat"), dataDat);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void differingNewPasswordsWarnForFourSeconds() {
        open(passwordFiller());
        clickOn("Check1");
        fill("sifre1", "abc");
        fill("sifre2", "abd");
        clickOn("Command1");
        QVERIFY(in("Label6")->isVisible());
        QCOMPARE(timer1()->interval(), 4000);
        QVERIFY(timer1()->isActive());
        QCOMPARE(window()->focusWidget(), in("sifre1"));
        QCOMPARE(in<QLineEdit>("sifre1")->selectedText(), QStringLiteral("abc"));
        QCOMPARE(folder_->read("data.dat"), passwordFiller());
        QMetaObject::invokeMethod(timer1(), "timeout");
        QVERIFY(!in("Label6")->isVisible());
        QCOMPARE(timer1()->interval(), 1000);
        QVERIFY(!timer1()->isActive());
        QVERIFY(window()->isVisible());
    }

    void applyingWritesOnlyTheNamedBytes_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("oldPassword"); // empty: no password to unlock
        QTest::addColumn<bool>("untick");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("notice");
        const QString changed = QStringLiteral("Şifre değiştirldi!");
        const QString removed = QStringLiteral("Şifre iptal edildi!");
        const QByteArray five = passwordFile('5', "kalem");
        QTest::newRow("put on two characters")
            << passwordFiller() << "" << false << "ab" << passwordFile('2', "ab") << changed;
        QTest::newRow("put on an empty password")
            << passwordFiller() << "" << false << "" << passwordFile('0', "") << changed;
        QTest::newRow("five changed to three keeps the old fourth and fifth")
            << five << "kalem" << false << "kuş" << passwordFile('3', "ku\xFE", five) << changed;
        QTest::newRow("nine Turkish letters")
            << passwordFiller() << "" << false << "çğıİöşüÇĞ"
            << passwordFile('9', "\xE7\xF0\xFD\xDD\xF6\xFE\xFC\xC7\xD0") << changed;
        QTest::newRow("removing changes only byte 1")
            << five << "kalem" << true << "" << passwordFile('k', "kalem") << removed;
        QTest::newRow("removing when none is set changes nothing")
            << passwordFiller() << "" << true << "" << passwordFiller() << removed;
    }
    void applyingWritesOnlyTheNamedBytes() {
        QFETCH(QByteArray, before);
        QFETCH(QString, oldPassword);
        QFETCH(bool, untick);
        QFETCH(QString, newPassword);
        QFETCH(QByteArray, after);
        QFETCH(QString, notice);
        // A scratch file left by another command keeps its own line.
        folder_->write("sirali.tmp", "Ali\r\n");
        open(before);
        if (!oldPassword.isEmpty()) {
            fill("Text1", oldPassword);
            clickOn("Command3");
            QCOMPARE(state(), kUnlocked);
        } else if (!untick) {
            clickOn("Check1");
        }
        if (untick && !oldPassword.isEmpty()) {
            clickOn("Check1");
        }
        if (!untick) {
            fill("sifre1", newPassword);
            fill("sifre2", newPassword);
        }
        QTest::keyClick(window(), Qt::Key_Return); // Command1 is the default button here
        QCOMPARE(folder_->read("data.dat"), after);
        QVERIFY(pano()->isVisible());
        QCOMPARE(pano()->text(), notice);
        expectClosedWithNormalColours();
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(folder_->read("sirali.tmp"), QByteArray("Ali\r\n"));
        if (!newPassword.isEmpty()) {
            QDirIterator files(folder_->filePath(""), QDir::Files | QDir::Hidden);
            while (files.hasNext()) {
                const QString file = files.next();
                if (!file.endsWith("/data.dat")) {
                    QVERIFY2(!QFile(file).open(QIODevice::ReadOnly) ||
                                 !QFile(file).readAll().contains(newPassword.toUtf8()),
                             qPrintable(file));
                }
            }
        }
    }

    void cancelNeverChangesThePasswordFile_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("way");
        const QByteArray set = passwordFile('3', "abc");
        // "Enter on İptal": the focused button takes Enter, not the default one.
        for (const char* way : {"İptal", "Esc", "close box", "Enter on İptal"}) {
            QTest::addRow("no password, %s", way) << passwordFiller() << QString(way);
            QTest::addRow("unlocked, %s", way) << set << QString(way);
        }
    }
    void cancelNeverChangesThePasswordFile() {
        QFETCH(QByteArray, before);
        QFETCH(QString, way);
        open(before);
        if (before != passwordFiller()) {
            fill("Text1", "abc");
            clickOn("Command3");
        } else {
            clickOn("Check1");
        }
        fill("sifre1", "yeni");
        fill("sifre2", "yeni");
        if (way == "İptal") {
            clickOn("command2");
        } else if (way == "Esc") {
            QTest::keyClick(in("sifre2"), Qt::Key_Escape);
        } else if (way == "Enter on İptal") {
            in("command2")->setFocus(Qt::TabFocusReason);
            QTest::keyClick(in("command2"), Qt::Key_Return);
        } else {
            window()->close();
        }
        QCOMPARE(folder_->read("data.dat"), before);
        expectClosedWithNormalColours();
        QVERIFY(!pano()->isVisible());
        QVERIFY(!ana_->hasEnded());
    }

    void characterOutsideTheCodePageIsRefused() {
        open(passwordFiller());
        clickOn("Check1");
        fill("sifre1", "ab✓");
        fill("sifre2", "ab✓");
        clickOn("Command1");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().icon, MessageBox::Icon::critical);
        QVERIFY(MessageBox::shown().first().text.contains("✓"));
        QCOMPARE(folder_->read("data.dat"), passwordFiller());
        QVERIFY(window()->isVisible());
        QVERIFY(!pano()->isVisible());
    }

    void missingPasswordFileIsToldAndNothingIsCreated() {
        open(passwordFiller());
        closeWindow();
        QFile::remove(folder_->filePath("data.dat"));
        guitest::click(guitest::control<QWidget>(ana_.get(), "com8"));
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().icon, MessageBox::Icon::critical);
        QCoreApplication::processEvents();
        QVERIFY(!window() || !window()->isVisible());
        QVERIFY(!folder_->exists("data.dat"));
    }

    void newPasswordIsAskedForAtTheNextStart() {
        open(passwordFiller());
        clickOn("Check1");
        fill("sifre1", "gizli");
        fill("sifre2", "gizli");
        clickOn("Command1");
        ana_.reset();
        ana_ = std::make_unique<Ana>(folder_->store());
        ana_->startUp();
        auto* prompt = guitest::control<QDialog>(ana_.get(), "pass1");
        QVERIFY(prompt && prompt->isVisible());
        guitest::typeText(guitest::control(prompt, "Text1"), "gizli");
        guitest::click(guitest::control(prompt, "Command1"));
        QVERIFY(ana_->isVisible());
    }
};

QTEST_MAIN(PassTest)
#include "pass_test.moc"

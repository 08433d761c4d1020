// Zilora on a real X screen started before any notification area, as at a logon: the rounded
// greeting and dragging it, then the icon as soon as a tray host starts, and the mouse on it;
// at last the next day's greeting, once.
#include "zilora_test_support.h"

#include "pointer.h"
#include "ui/message_box.h"
#include "zilora/ana.h"
#include "zilora/pasta.h"

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QRawFont>
#include <QScreen>

#include <utility>
#include <vector>

namespace {

QString number(int value) {
    return QString::number(value);
}

// What the stand-in Telefon writes into started.txt at each start (on Windows the small program
// of the platform's tests, which tells how it was shown).
#ifdef _WIN32
constexpr char kStartLine[] = "show ";
#else
constexpr char kStartLine[] = "started\n";
#endif

} // namespace

class ZiloraScreenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<guitest::ProgramFolder> folder_;
    std::unique_ptr<marunda::zilora::Ana> ana_;
    QProcess tray_;
    QDate today_ = zilora_test::k7December;

    marunda::zilora::Pasta* pasta() const { return ana_->pasta(); }
    int starts() const { return int(folder_->read("started.txt").count(kStartLine)); }

private slots:
    void initTestCase() {
        marunda::ui::MessageBox::setTestMode(true);
        folder_ = std::make_unique<guitest::ProgramFolder>();
        zilora_test::writeBook(
            *folder_, {{"Ayşe", "7/12/1980"}, {"Mehmet", "7/12/----"}, {"Oğuz", "8/12/1990"}});
#ifdef _WIN32
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/" STARTED_PROGRAM_FILE_NAME,
                            folder_->filePath("Telefon.exe")));
#else
        folder_->write("Telefon", "#!/bin/sh\necho started >> started.txt\n");
        QFile::setPermissions(folder_->filePath("Telefon"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
#endif
        ana_ = std::make_unique<marunda::zilora::Ana>(folder_->path(), [this] { return today_; });
        ana_->load();
        QVERIFY(QTest::qWaitForWindowExposed(pasta()));
    }
    void cleanupTestCase() {
        ana_.reset();
        tray_.terminate();
        tray_.waitForFinished();
        folder_.reset();
    }

    void greetingIsRounded() {
        const QPoint origin = pasta()->mapToGlobal(QPoint());
        const QImage drawn = pasta()->grab().toImage();
        const QPoint centre(171, 123);
        QImage screen;
        QTRY_VERIFY((screen = pasta()->screen()->grabWindow(0).toImage(),
                     screen.pixel(origin + centre) == drawn.pixel(centre)));
        const QRgb behind = screen.pixel(2, 2);
        for (const QPoint corner : {QPoint(2, 2), QPoint(340, 2), QPoint(2, 243)}) {
            QCOMPARE(screen.pixel(origin + corner), behind);
        }
        QVERIFY(screen.pixel(origin + QPoint(171, 2)) != behind);
    }

    // Every letter of the greeting, and every Turkish one that a name may hold, in the
    // greeting's own face: none drawn in a stand-in typeface.
    void greetingIsInOneFace() {
        const QRawFont face = QRawFont::fromFont(pasta()->font(), QFontDatabase::Latin);
        QString text = "çÇğĞıİöÖşŞüÜ…";
        for (const auto& line : pasta()->lines()) {
            text += line.text;
        }
        for (const QChar letter : text) {
            QVERIFY2(face.supportsCharacter(letter),
                     qPrintable(QString(letter) + " in " + face.familyName()));
        }
    }

    // Whatever button dragged, the next left drag starts where the pointer is and the next
    // double-click hides the greeting (under a window manager too, which moves the window then).
    void anyButtonDragsTheGreeting_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("left") << "1";
        QTest::newRow("middle") << "2";
        QTest::newRow("right") << "3";
    }
    void anyButtonDragsTheGreeting() {
        QFETCH(QString, button);
#ifdef _WIN32
        if (button == "1") {
            QSKIP(screentest::kWineLeftDrag);
        }
        const std::vector<std::pair<QString, QPoint>> drags{{ button, { 171, 60 } }};
#else
        // From a new point each time: xdotool waits for a move to where the pointer already is.
        const std::vector<std::pair<QString, QPoint>> drags{{button, {171, 60}}, {"1", {120, 80}}};
#endif
        pasta()->show();
        QVERIFY(QTest::qWaitForWindowExposed(pasta()));
        for (const auto& [dragButton, from] : drags) {
            const QPoint before = pasta()->pos();
            const QPoint press = pasta()->mapToGlobal(from);
            // At a hand's pace: a window manager takes the pointer a moment after the press.
            QVERIFY(screentest::xdotool({"mousemove",
                                         "--sync",
                                         number(press.x()),
                                         number(press.y()),
                                         "mousedown",
                                         dragButton,
                                         "sleep",
                                         "0.3",
                                         "mousemove",
                                         "--sync",
                                         number(press.x() + 20),
                                         number(press.y() + 15),
                                         "sleep",
                                         "0.1",
                                         "mousemove",
                                         "--sync",
                                         number(press.x() + 40),
                                         number(press.y() + 30),
                                         "sleep",
                                         "0.1",
                                         "mouseup",
                                         dragButton}));
            QTRY_COMPARE(pasta()->pos(), before + QPoint(40, 30));
        }
        const QPoint at = pasta()->mapToGlobal(QPoint(200, 100));
        QVERIFY(screentest::xdotool({"mousemove", "--sync", number(at.x()), number(at.y()),
                                     "mousedown", "1", "sleep", "0.08", "mouseup", "1", "sleep",
                                     "0.06", "mousedown", "1", "sleep", "0.08", "mouseup", "1"}));
        QTRY_VERIFY(!pasta()->isVisible());
    }

    void iconShowsWhenTheTrayHostStarts() {
#ifdef _WIN32
        // Wine's own notification area is there from the start: no host comes up later.
        QSKIP("Under Wine the notification area is there before Zilora starts");
#endif
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        tray_.start("trayer", {"--edge", "top", "--align", "right", "--widthtype", "pixel",
                               "--width", "96", "--heighttype", "pixel", "--height", "24"});
        QVERIFY(tray_.waitForStarted());
        auto* icon = ana_->trayIcon();
        // Until the host has taken the icon in, it stands at the screen's corner.
        QTRY_VERIFY_WITH_TIMEOUT(
            icon->geometry().isValid() && icon->geometry().topLeft() != QPoint(), 10000);
    }

    void doubleClickStartsTelefonAndTheRightButtonOpensTheMenu() {
        QPoint at;
        QTRY_VERIFY_WITH_TIMEOUT(!(at = screentest::trayIconCentre(*ana_->trayIcon())).isNull(),
                                 10000);
        QVERIFY(screentest::xdotool({"mousemove", "--sync", number(at.x()), number(at.y()), "click",
                                     "--repeat", "2", "--delay", "60", "1"}));
        QTRY_COMPARE(starts(), 1);
        // The menu opens on the release, not on the press.
        QVERIFY(screentest::xdotool({"mousedown", "3", "sleep", "0.2"}));
        QVERIFY(!ana_->menu()->isVisible());
        QVERIFY(screentest::xdotool({"mouseup", "3"}));
        QTRY_VERIFY(ana_->menu()->isVisible());
        ana_->menu()->hide();
        QVERIFY(marunda::ui::MessageBox::shown().isEmpty());
    }

    // The watch looks at the date again and again: the same day greets nobody anew, the next
    // one greets its people once, exactly as at start, however often it looks.
    void theNextDayIsGreetedOnce() {
        pasta()->hide();
        ana_->watchTheDate();
        QVERIFY(!pasta()->isVisible());
        today_ = zilora_test::k7December.addDays(1);
        ana_->watchTheDate();
        const QPointer<marunda::zilora::Pasta> greeting = pasta();
        QVERIFY(QTest::qWaitForWindowExposed(greeting));
        QCOMPARE(greeting->names(), QStringList{"Oğuz"});
        QVERIFY(greeting->tune());
        greeting->hide();
        for (int minute = 0; minute < 3; ++minute) {
            ana_->watchTheDate();
        }
        QCOMPARE(pasta(), greeting.data());
        QVERIFY(!greeting->isVisible());
    }
};

QTEST_MAIN(ZiloraScreenTest)
#include "zilora_screen_test.moc"

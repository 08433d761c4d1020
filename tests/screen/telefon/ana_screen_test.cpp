// The main window on a real X screen: its shape, moving it without a window manager, and
// "Küçült" into a real notification area and back by a double-click on the icon.
#include "ana_fixture.h"

#include "pointer.h"
#include "telefon/ana/ana.h"
#include "ui/command_label.h"

#include <QProcess>
#include <QScreen>
#include <QSystemTrayIcon>

using namespace marunda::telefon;

namespace {

QString number(int value) {
    return QString::number(value);
}

} // namespace

class AnaScreenTest : public guitest::AnaFixture {
    Q_OBJECT

private slots:
    void init() {
        AnaFixture::init();
        startAna({guitest::pageRecord(1)});
        QVERIFY(QTest::qWaitForWindowExposed(ana_.get()));
    }

    void outlineCutsTheWindow() {
        const QPoint origin = ana_->mapToGlobal(QPoint());
        const QImage drawn = ana_->grab().toImage();
        // The screen shows the window's own pixels inside the outline and what lies behind it
        // in the notch and the cut corners.
        QImage screen;
        QTRY_VERIFY((screen = ana_->screen()->grabWindow(0).toImage(),
                     screen.pixel(origin + QPoint(280, 200)) == drawn.pixel(280, 200)));
        const QRgb behind = screen.pixel(2, 2);
        QCOMPARE(screen.pixel(origin + QPoint(281, 345)), behind);
        QCOMPARE(screen.pixel(origin + QPoint(2, 2)), behind);
        QVERIFY(screen.pixel(origin + QPoint(270, 345)) != behind);
    }

    void dragMovesTheWindow_data() {
        QTest::addColumn<QPoint>("from");
        QTest::newRow("background") << QPoint(280, 200);
        QTest::newRow("name field") << QPoint(448, 88);
        QTest::newRow("title") << QPoint(400, 36);
    }
    void dragMovesTheWindow() {
#ifdef _WIN32
        QSKIP(screentest::kWineLeftDrag);
#endif
        QFETCH(QPoint, from);
        const QPoint before = ana_->pos();
        const QPoint press = ana_->mapToGlobal(from);
        QVERIFY(
            screentest::xdotool({"mousemove", "--sync", number(press.x()), number(press.y()),
                                 "mousedown", "1", "mousemove", "--sync", number(press.x() + 40),
                                 number(press.y() + 30), "mouseup", "1"}));
        QTRY_COMPARE(ana_->pos(), before + QPoint(40, 30));
    }

    void minimiseAndDoubleClickTheIcon() {
        QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
        guitest::click(guitest::control(ana_.get(), "com5"));
        QVERIFY(!ana_->isVisible());
        auto* icon = ana_->findChild<QSystemTrayIcon*>();
        QVERIFY(icon != nullptr);
        QPoint at;
        QTRY_VERIFY(!(at = screentest::trayIconCentre(*icon)).isNull());
        QVERIFY(screentest::xdotool({"mousemove", "--sync", number(at.x()), number(at.y()), "click",
                                     "--repeat", "2", "--delay", "60", "1"}));
        QTRY_VERIFY(ana_->isVisible());
        QTRY_VERIFY(ana_->findChild<QSystemTrayIcon*>() == nullptr);
    }
};

QTEST_MAIN(AnaScreenTest)
#include "ana_screen_test.moc"

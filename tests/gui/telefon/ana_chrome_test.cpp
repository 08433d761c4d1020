// The main window's chrome: moving it by the mouse, the hover highlight and "Küçült".
#include "ana_fixture.h"

#include "telefon/ana/ana.h"
#include "ui/colours.h"
#include "ui/command_label.h"
#include "ui/notification_area.h"
#include "ui/shapes.h"

#include <QSignalSpy>
#include <QSystemTrayIcon>

#include <cstdlib>

using namespace marunda::telefon;

using marunda::ui::CommandLabel;
using marunda::ui::MarkerShape;
namespace colours = marunda::ui::colours;

namespace {

const QStringList kHighlightable{"com1", "com2",  "com3", "com4",    "com5",
                                 "com6", "com7",  "com8", "com9",    "ilk",
                                 "geri", "ileri", "son",  "Label14", "Label15"};

} // namespace

class AnaChromeTest : public guitest::AnaFixture {
    Q_OBJECT

private:
    CommandLabel* label(const QString& name) const {
        return guitest::control<CommandLabel>(ana_.get(), name);
    }
    MarkerShape* marker(const QString& command) const {
        return guitest::control<MarkerShape>(ana_.get(), command + "b");
    }
    QStringList highlighted() const {
        QStringList lit;
        for (const QString& name : kHighlightable) {
            if (label(name)->textColour() == colours::highlight) {
                lit << name;
            }
        }
        return lit;
    }
    void moveOver(const QString& name) {
        if (name == "background") {
            guitest::hover(ana_.get(), QPoint(280, 200));
        } else if (name == "pano") {
            ana_->notice("Bilgi Panoda!");
            guitest::hover(guitest::control(ana_.get(), name));
        } else {
            guitest::hover(label(name));
        }
    }

private slots:
    void init() {
        AnaFixture::init();
        startAna({guitest::pageRecord(1)});
    }
    void cleanup() {
        marunda::ui::setNotificationAreaForTests(std::nullopt);
        AnaFixture::cleanup();
    }

    void mousePressMovesTheWindowOnlyFromItsPlainParts_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("moves");
        QTest::newRow("background, left") << "background" << Qt::LeftButton << true;
        QTest::newRow("background, right") << "background" << Qt::RightButton << true;
        QTest::newRow("marker") << "com1b" << Qt::MiddleButton << true;
        QTest::newRow("name") << "isimb" << Qt::LeftButton << true;
        QTest::newRow("notes, right") << "notlarb" << Qt::RightButton << true;
        QTest::newRow("title") << "Label1" << Qt::LeftButton << true;
        QTest::newRow("caption") << "Label9" << Qt::MiddleButton << true;
        QTest::newRow("Sayfa:") << "Label11" << Qt::LeftButton << true;
        QTest::newRow("page number") << "sırab" << Qt::LeftButton << false;
        QTest::newRow("command") << "com1" << Qt::LeftButton << false;
        QTest::newRow("page command") << "ilk" << Qt::RightButton << false;
        QTest::newRow("switch") << "Label14" << Qt::LeftButton << false;
        QTest::newRow("heading") << "Label12" << Qt::LeftButton << false;
        QTest::newRow("section 2 caption") << "Label17" << Qt::LeftButton << false;
        QTest::newRow("section 2 field") << "email1b" << Qt::LeftButton << false;
        QTest::newRow("notice") << "pano" << Qt::LeftButton << false;
    }
    void mousePressMovesTheWindowOnlyFromItsPlainParts() {
        QFETCH(QString, where);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, moves);
        if (where == "Label17" || where == "email1b") {
            ana_->showSection(2);
        }
        if (where == "pano") {
            ana_->notice("Bilgi Panoda!");
        }
        QSignalSpy dragged(ana_.get(), &Ana::dragStarted);
        QWidget* target = ana_.get();
        QPoint at(280, 200);
        if (where == "com1b") {
            at = marker("com1")->geometry().center();
        } else if (where != "background") {
            target = guitest::control(ana_.get(), where);
            QVERIFY(target->isVisible());
            at = target->rect().center();
        }
        QTest::mousePress(target, button, {}, at);
        QCOMPARE(dragged.count(), moves ? 1 : 0);
        QTest::mouseRelease(ana_->isDragging() ? ana_.get() : target, button, {}, at);
        QVERIFY(!ana_->isDragging());
    }

    void hoverHighlight_data() {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QStringList>("lit");
        QTest::newRow("command") << QStringList{"com1"} << QStringList{"com1"};
        QTest::newRow("command after command")
            << QStringList{"com1", "com2"} << QStringList{"com2"};
        QTest::newRow("command after page command")
            << QStringList{"ilk", "com3"} << QStringList{"com3"};
        QTest::newRow("command leaves the switch")
            << QStringList{"Label14", "com4"} << QStringList{"com4", "Label14"};
        QTest::newRow("page command leaves com7")
            << QStringList{"com7", "son"} << QStringList{"com7", "son"};
        QTest::newRow("page command resets com8")
            << QStringList{"com8", "geri"} << QStringList{"geri"};
        QTest::newRow("page command after page command")
            << QStringList{"geri", "ileri"} << QStringList{"ileri"};
        QTest::newRow("switch leaves com9")
            << QStringList{"com9", "Label15"} << QStringList{"com9", "Label15"};
        QTest::newRow("switch resets com7")
            << QStringList{"com7", "Label15"} << QStringList{"Label15"};
        QTest::newRow("switch leaves the other switch")
            << QStringList{"Label15", "Label14"} << QStringList{"Label14", "Label15"};
        QTest::newRow("switch resets page command")
            << QStringList{"son", "Label14"} << QStringList{"Label14"};
        QTest::newRow("background resets everything")
            << QStringList{"com9", "Label15", "Label14", "background"} << QStringList{};
        QTest::newRow("plain label changes nothing")
            << QStringList{"com2", "Label1"} << QStringList{"com2"};
        QTest::newRow("notice changes nothing")
            << QStringList{"com2", "pano"} << QStringList{"com2"};
    }
    void hoverHighlight() {
        QFETCH(QStringList, path);
        QFETCH(QStringList, lit);
        for (const QString& step : path) {
            moveOver(step);
        }
        QCOMPARE(highlighted(), lit);
        for (int i = 1; i <= Ana::kCommandCount; ++i) {
            const QString command = QString("com%1").arg(i);
            const bool on = lit.contains(command);
            QCOMPARE(marker(command)->fill(), on ? colours::markerHighlight : colours::pageNormal);
            if (!on) {
                QCOMPARE(label(command)->textColour(), colours::commandNormal);
            }
        }
    }

    void highlightFillsTheMarkerInsideItsBorder() {
        moveOver("com3");
        QImage shot(marker("com3")->size(), QImage::Format_ARGB32);
        shot.fill(Qt::transparent);
        marker("com3")->render(&shot);
        QCOMPARE(shot.pixelColor(shot.rect().center()), colours::markerHighlight);
        // Left and right the rim stays (nearly, where it is smoothed) in page colours.
        int rim = 0;
        const QColor page = colours::pageNormal;
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, shot.height() / 2);
            const int off = std::abs(c.red() - page.red()) + std::abs(c.green() - page.green()) +
                            std::abs(c.blue() - page.blue());
            rim += off < 100;
        }
        QVERIFY(rim >= 2);
    }

    void backgroundPutsTheSwitchesInPageColours() {
        QCOMPARE(label("Label14")->textColour(), colours::switchStart);
        moveOver("background");
        for (const char* name : {"Label14", "Label15", "ilk", "son"}) {
            QCOMPARE(label(name)->textColour(), colours::pageNormal);
        }
    }

    void minimiseWithoutNotificationArea() {
        marunda::ui::setNotificationAreaForTests(false);
        guitest::hover(label("com5"));
        guitest::click(label("com5"));
        QVERIFY(ana_->isMinimized());
        QVERIFY(ana_->findChild<QSystemTrayIcon*>() == nullptr);
        QCOMPARE(label("com5")->textColour(), colours::commandNormal);
        QCOMPARE(marker("com5")->fill(), colours::pageNormal);
    }

    void minimiseIntoNotificationArea() {
        marunda::ui::setNotificationAreaForTests(true);
        guitest::hover(label("com5"));
        guitest::click(label("com5"));
        QVERIFY(!ana_->isVisible());
        QCOMPARE(label("com5")->textColour(), colours::commandNormal);
        QCOMPARE(marker("com5")->fill(), colours::pageNormal);
        auto* icon = ana_->findChild<QSystemTrayIcon*>();
        QVERIFY(icon != nullptr);
        QVERIFY(icon->toolTip().startsWith("Marunda 1.7 ("));
        QVERIFY(!icon->icon().isNull());
        for (auto ignored :
             {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context, QSystemTrayIcon::MiddleClick}) {
            emit icon->activated(ignored);
            QVERIFY(!ana_->isVisible());
        }
        emit icon->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(ana_->isVisible());
        QTRY_VERIFY(ana_->findChild<QSystemTrayIcon*>() == nullptr);
    }
};

QTEST_MAIN(AnaChromeTest)
#include "ana_chrome_test.moc"

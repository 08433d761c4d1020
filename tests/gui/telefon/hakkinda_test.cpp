// The About window: layout, texts, pictures, hover colours and its two commands.
#include "ana_fixture.h"

#include "telefon/about/hakkinda.h"
#include "telefon/ana/ana.h"
#include "ui/colours.h"
#include "ui/command_label.h"
#include "ui/fonts.h"
#include "ui/shapes.h"
#include "update/update_window.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>

using namespace marunda::telefon;

using marunda::ui::CommandLabel;
namespace colours = marunda::ui::colours;

class HakkindaTest : public guitest::AnaFixture {
    Q_OBJECT

private:
    QPointer<Hakkinda> window_;

    Hakkinda* open() {
        startAna({});
        ana_->show();
        ana_->openCommand(7);
        window_ = ana_->findChild<Hakkinda*>();
        return window_;
    }
    template <class T = QLabel> T* named(const char* name) const {
        return guitest::control<T>(window_.data(), QString::fromUtf8(name));
    }
    QColor colourOf(const char* name) const { return named<CommandLabel>(name)->textColour(); }
    // Straight to the control under the mouse, whatever other window the platform sees there.
    static void moveOver(QWidget* widget, QPoint at = {}) {
        at = at.isNull() ? widget->rect().center() : at;
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

private slots:
    void opensCentredWithItsTitleAndSize() {
        QVERIFY(open());
        QCOMPARE(window_->objectName(), QString("hakkında"));
        QCOMPARE(window_->windowTitle(), QString("Program Hakkında"));
        QCOMPARE(window_->size(), QSize(419, 187));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        const QRect screen = ana_->screen()->availableGeometry();
        const QPoint offCentre = window_->frameGeometry().center() - screen.center();
        QVERIFY(offCentre.manhattanLength() <= 8); // the window frame's share
        ana_->openCommand(7);
        QCOMPARE(ana_->findChildren<Hakkinda*>().size(), 1);
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QString>("textStart");
        QTest::newRow("Image1") << "Image1" << QRect(280, 0, 142, 237) << QString();
        QTest::newRow("Label2") << "Label2" << QRect(64, 8, 161, 25) << "Marunda 1.7";
        QTest::newRow("Label1") << "Label1" << QRect(23, 40, 241, 65) << "Bu program ";
        QTest::newRow("Label3") << "Label3" << QRect(32, 112, 149, 13) << "E-Mail: ";
        QTest::newRow("Label4") << "Label4" << QRect(32, 128, 201, 13) << "Web:   ";
        QTest::newRow("Label5") << "Label5" << QRect(64, 163, 128, 16) << "Internetten Bilgi Al!";
        QTest::newRow("com6") << "com6" << QRect(224, 163, 41, 17) << "Kapat";
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QRect, box);
        QFETCH(QString, textStart);
        QVERIFY(open());
        const auto* label = named(name.toUtf8().constData());
        QVERIFY(label);
        QCOMPARE(label->pos(), box.topLeft());
        QCOMPARE(label->height(), box.height());
        QVERIFY(label->width() >= box.width());
        QVERIFY2(label->text().startsWith(textStart), qPrintable(label->text()));
        // Every caption fits its box: nothing is cut off.
        const QRect needed =
            QFontMetrics(label->font())
                .boundingRect(QRect(0, 0, box.width(), 1000),
                              label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
        QVERIFY2(needed.width() <= label->width() && needed.height() <= box.height(),
                 qPrintable(name));
    }

    void lineBesideKapatBearsItsName() {
        QVERIFY(open());
        const auto* line = named<marunda::ui::LineShape>("Line1");
        QVERIFY(line);
        QCOMPARE(line->line(), QLine(208, 180, 208, 163));
    }

    void contactsAreOnTheExampleDomain() {
        QVERIFY(open());
        QVERIFY(named("Label3")->text().endsWith("@example.com"));
        QVERIFY(named("Label4")->text().endsWith("example.com"));
        QVERIFY(named("Label1")->text().contains("ücretsiz"));
    }

    void picturesAreOurs() {
        QVERIFY(open());
        QCOMPARE(named("Image1")->pixmap().size(), QSize(142, 237));
        QCOMPARE(QPixmap(":/pictures/hakkinda.png").size(), QSize(284, 198));
        // The left part of the window shows the background picture, not the plain dialog.
        const QImage shot = window_->grab().toImage();
        QCOMPARE(shot.pixelColor(5, 5),
                 QPixmap(":/pictures/hakkinda.png").toImage().pixelColor(5, 5));
    }

    void fontsAsDesigned() {
        QVERIFY(open());
        // 12 pt bold for the title and the credit: 16 pixels, really bold, not the 13-pixel
        // bitmap face the system's MS Sans Serif offers.
        for (const char* name : {"Label2", "Label1"}) {
            const QFontInfo font(named(name)->font());
            QCOMPARE(font.pixelSize(), 16);
            QVERIFY(font.bold());
        }
        for (const char* name : {"Label5", "com6"}) {
            const QFontInfo font(named(name)->font());
            QCOMPARE(font.family(), QFontInfo(marunda::ui::tahoma(9.75, true)).family());
            QCOMPARE(font.pixelSize(), 13);
            QVERIFY(font.bold());
            QCOMPARE(colourOf(name), colours::pageNormal);
        }
    }

    void hoverHighlightsAndTheBackgroundResets() {
        QVERIFY(open());
        moveOver(named("Label5"));
        QCOMPARE(colourOf("Label5"), colours::highlight);
        moveOver(named("com6"));
        QCOMPARE(colourOf("com6"), colours::highlight);
        QCOMPARE(colourOf("Label5"), colours::highlight); // only the background resets
        moveOver(window_, QPoint(10, 175));
        QCOMPARE(colourOf("Label5"), colours::pageNormal);
        QCOMPARE(colourOf("com6"), colours::pageNormal);

        // Inside the drawn frame, clear of the texts, is background too.
        moveOver(named("com6"));
        guitest::hover(window_, QPoint(100, 147));
        QCOMPARE(colourOf("com6"), colours::pageNormal);
    }

    void internetOpensOneUpdateWindowThatOutlivesThisOne() {
        QVERIFY(open());
        folder_->write("update.upd", "\"1.8\",\"1.1.2027\",\"Yeni sürüm çıktı\"\r\n");
        guitest::click(named("Label5"));
        guitest::click(named("Label5"));
        const auto windows = ana_->findChildren<marunda::Update*>();
        QCOMPARE(windows.size(), 1);
        QPointer<marunda::Update> update = windows[0];
        QVERIFY(update->isVisible());
        QVERIFY(!update->isModal());
        QCOMPARE(guitest::control<QLineEdit>(update, "version")->text(), QString("1.8"));

        guitest::click(named("com6"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window_.isNull());
        QVERIFY(update && update->isVisible());
    }

    void kapatCloses() {
        QVERIFY(open());
        guitest::click(named("com6"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window_.isNull());
        QVERIFY(ana_->isVisible());
    }
};

QTEST_MAIN(HakkindaTest)
#include "hakkinda_test.moc"

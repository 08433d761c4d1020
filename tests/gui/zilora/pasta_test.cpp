// The greeting window: what it finds and draws, its shape, and the mouse on it.
#include "zilora_test_support.h"

#include "zilora/pasta.h"

#include <QLabel>
#include <QLocale>
#ifndef Q_OS_WIN
#include <QSoundEffect>
#endif

using marunda::zilora::Pasta;
using marunda::zilora::RoundedOutline;
using marunda::zilora::Twips;

using People = std::vector<std::pair<QString, QString>>;
Q_DECLARE_METATYPE(People)

class PastaTest : public QObject {
    Q_OBJECT

    std::unique_ptr<guitest::ProgramFolder> folder_;
    std::unique_ptr<Pasta> pasta_;

    Pasta* load(const People& people) {
        zilora_test::writeBook(*folder_, people);
        pasta_ = std::make_unique<Pasta>(folder_->path(), zilora_test::k7December);
        pasta_->load();
        return pasta_.get();
    }

private slots:
    void init() { folder_ = std::make_unique<guitest::ProgramFolder>(); }
    void cleanup() {
        pasta_.reset();
        folder_.reset();
    }

    void showsAndPlaysOnlyWhenSomeoneHasABirthday_data() {
        QTest::addColumn<People>("book");
        QTest::addColumn<QByteArray>("bilgi"); // empty: no bilgi.dat
        QTest::addColumn<QStringList>("names");
        const People two{{"Ayşe", "7/12/1980"}, {"Can", "8/12/1980"}, {"Mehmet", "7/12/----"}};
        QTest::newRow("two people")
            << two << guitest::counterFile(4) << QStringList{"Ayşe", "Mehmet"};
        QTest::newRow("nobody") << People{{"Can", "8/12/1980"}} << guitest::counterFile(2)
                                << QStringList{};
        QTest::newRow("counter 1") << two << guitest::counterFile(1) << QStringList{};
        QTest::newRow("no bilgi.dat") << two << QByteArray() << QStringList{};
        QTest::newRow("bilgi.dat broken") << two << QByteArray("x,\"17\"\r\n") << QStringList{};
    }
    void showsAndPlaysOnlyWhenSomeoneHasABirthday() {
        QFETCH(People, book);
        QFETCH(QByteArray, bilgi);
        QFETCH(QStringList, names);
        zilora_test::writeBook(*folder_, book);
        if (bilgi.isEmpty()) {
            QFile::remove(folder_->filePath("bilgi.dat"));
        } else {
            folder_->write("bilgi.dat", bilgi);
        }
        const QByteArray telefon = folder_->read("telefon.dat");
        pasta_ = std::make_unique<Pasta>(folder_->path(), zilora_test::k7December);
        pasta_->load();

        QCOMPARE(pasta_->names(), names);
        QCOMPARE(pasta_->isVisible(), !names.isEmpty());
        QCOMPARE(pasta_->tune().has_value(), !names.isEmpty());
        if (pasta_->tune()) {
            QVERIFY(std::filesystem::equivalent(*pasta_->tune(), folder_->path() / "zilora.wav"));
#ifndef Q_OS_WIN
            const auto players = pasta_->findChildren<QSoundEffect*>();
            QCOMPARE(players.size(), 1);
            QVERIFY(players[0]->source().toLocalFile().endsWith("/zilora.wav"));
            QTRY_VERIFY(players[0]->status() == QSoundEffect::Ready);
#endif
        }
        QCOMPARE(folder_->read("telefon.dat"), telefon);
        QCOMPARE(folder_->exists("bilgi.dat"), !bilgi.isEmpty());
    }

    void drawsTheGreetingLines() {
        load({{"Ayşe", "7/12/1980"}, {"Mehmet", "7/12/----"}});
        const double h = QFontMetricsF(pasta_->font()).height();
        const QString date =
            QLocale::system().toString(zilora_test::k7December, QLocale::ShortFormat);
        const std::pair<QPointF, QString> expected[] = {
            {{1300 / 15.0, 100}, "            Bugün  " + date},
            {{80, 100 + h}, "      Ayşe'nin"},
            {{80, 100 + 2 * h}, "      Mehmet'in"},
            {{80, 100 + 3 * h}, "              Doğumgünü!!"},
        };
        QCOMPARE(pasta_->lines().size(), std::size(expected));
        for (std::size_t i = 0; i < std::size(expected); ++i) {
            QCOMPARE(pasta_->lines()[i].at, expected[i].first);
            QCOMPARE(pasta_->lines()[i].text, expected[i].second);
        }
        QCOMPARE(pasta_->font().pixelSize(), 16);
        // The ink of the text is the greeting's grey.
        const QImage drawn = pasta_->grab().toImage();
        const QRect nameLine(80, qRound(100 + h), 200, qRound(h));
        bool inked = false;
        for (int y = nameLine.top(); y <= nameLine.bottom() && !inked; ++y) {
            for (int x = nameLine.left(); x <= nameLine.right() && !inked; ++x) {
                inked = drawn.pixel(x, y) == qRgb(64, 64, 64);
            }
        }
        QVERIFY(inked);
        auto* label1 = guitest::control<QLabel>(pasta_.get(), "Label1");
        QCOMPARE(label1->text(),
                 QStringLiteral("Marunda 1.7 için Selvira (Marunda Geliştirme Ekibi)"));
        QCOMPARE(label1->geometry(), QRect(32, 232, 225, 10));
        QCOMPARE(label1->font().pixelSize(), 8);
    }

    // Every line on the cake, clear of its corners and above the caption: as many names as fit,
    // then one line for the rest; a long name cut with "…".
    void greetingFitsTheCake_data() {
        QTest::addColumn<People>("book");
        QTest::addColumn<QStringList>("firstLine"); // how the first person's line begins and ends
        const QString name = "Şükrü Çağlayan Öztürkoğlu İğdeli Gülşen Işıkçı Ali";
        QTest::newRow("a name of 50 letters")
            << People{{name, "7/12/1980"}} << QStringList{"      Şükrü Çağlayan", "…'nin"};
        People many;
        for (const char* person : {"Ayşe", "Can", "Deniz", "Ece", "Filiz", "Gül", "Hakan"}) {
            many.push_back({person, "7/12/1980"});
        }
        QTest::newRow("seven people") << many << QStringList{"      Ayşe'nin", "      Ayşe'nin"};
    }
    void greetingFitsTheCake() {
        QFETCH(People, book);
        QFETCH(QStringList, firstLine);
        load(book);
        const auto& lines = pasta_->lines();
        const QFontMetricsF metrics(pasta_->font());
        const int caption = guitest::control<QLabel>(pasta_.get(), "Label1")->geometry().top();
        for (const auto& line : lines) {
            const QRectF drawn(line.at,
                               QSizeF(metrics.horizontalAdvance(line.text), metrics.height()));
            QVERIFY2(QRegion(drawn.toAlignedRect()).subtracted(pasta_->mask()).isEmpty(),
                     qPrintable(line.text));
            QVERIFY2(drawn.bottom() <= caption, qPrintable(line.text));
        }
        QVERIFY2(lines[1].text.startsWith(firstLine[0]) && lines[1].text.endsWith(firstLine[1]),
                 qPrintable(lines[1].text));
        QCOMPARE(lines.back().text, QString("              Doğumgünü!!"));
        const int named = int(lines.size()) - 2;
        if (named < int(book.size())) {
            QCOMPARE(lines[named].text,
                     QString("      ve %1 kişi daha").arg(int(book.size()) - (named - 1)));
            QVERIFY2(lines.back().at.y() + 2 * metrics.height() > caption, "room for one more");
        }
    }

    void outlineScalesWithTheScreen_data() {
        QTest::addColumn<double>("twipsPerPixel");
        QTest::addColumn<QList<int>>("measures"); // right, bottom, ellipse width and height
        QTest::newRow("96 dpi") << 15.0 << QList<int>{343, 248, 86, 76};
        QTest::newRow("120 dpi, 107.5 to even") << 12.0 << QList<int>{429, 310, 108, 95};
        QTest::newRow("144 dpi, 514.5 to even") << 10.0 << QList<int>{514, 372, 129, 114};
    }
    void outlineScalesWithTheScreen() {
        QFETCH(double, twipsPerPixel);
        QFETCH(QList<int>, measures);
        const auto outline = RoundedOutline::forScreen(Twips{twipsPerPixel, twipsPerPixel});
        QCOMPARE((QList<int>{outline.right, outline.bottom, outline.ellipseWidth,
                             outline.ellipseHeight}),
                 measures);
    }

    void windowIsTheRoundedCake() {
        load({{"Ayşe", "7/12/1980"}});
        QCOMPARE(pasta_->size(), QSize(343, 246));
        QCOMPARE(pasta_->windowTitle(), QStringLiteral("Selvira"));
        const QRegion mask = pasta_->mask();
        for (const QPoint inside :
             {QPoint(171, 123), QPoint(43, 2), QPoint(2, 38), QPoint(340, 123)}) {
            QVERIFY2(mask.contains(inside),
                     qPrintable(QString("%1,%2").arg(inside.x()).arg(inside.y())));
        }
        for (const QPoint cut : {QPoint(2, 2), QPoint(340, 2), QPoint(2, 243), QPoint(340, 243)}) {
            QVERIFY2(!mask.contains(cut), qPrintable(QString("%1,%2").arg(cut.x()).arg(cut.y())));
        }
    }

    void anyButtonDragsAndADoubleClickHides_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void anyButtonDragsAndADoubleClickHides() {
        QFETCH(Qt::MouseButton, button);
        load({{"Ayşe", "7/12/1980"}});
        const QPoint at(150, 60);
        QTest::mousePress(pasta_.get(), button, {}, at);
        QVERIFY(pasta_->isDragging());
        QTest::mouseRelease(pasta_.get(), button, {}, at);
        QVERIFY(!pasta_->isDragging());
        QVERIFY(pasta_->isVisible());
        QTest::mouseDClick(pasta_.get(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(pasta_.get(), Qt::LeftButton, {}, at);
        QVERIFY(!pasta_->isVisible());
    }
};

QTEST_MAIN(PastaTest)
#include "pasta_test.moc"

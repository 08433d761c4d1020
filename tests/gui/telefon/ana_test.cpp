// The main window: start-up, display, sections, page commands, notice and the program's end.
#include "ana_fixture.h"

#include "telefon/ana/ana.h"
#include "ui/command_label.h"
#include "ui/fonts.h"
#include "ui/message_box.h"
#include "ui/notice.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

using namespace marunda::telefon;

using marunda::Field;
using marunda::ui::MessageBox;

namespace {

const char* const kSection1[] = {"Label2", "isimb",   "Label3", "tel1b",  "Label4", "tel2b",
                                 "Label5", "tel3b",   "Label6", "faxb",   "Label7", "adresb",
                                 "Label8", "zilorab", "Label9", "notlarb"};
const char* const kSection2[] = {"Label17", "email1b",  "Label18", "email2b",  "Label16", "email3b",
                                 "Label19", "icq1b",    "Label20", "icq2b",    "Label21", "vergib",
                                 "Label22", "verginob", "Label24", "internetb"};

std::vector<marunda::ContactRecord> pages(int count) {
    std::vector<marunda::ContactRecord> book;
    for (int page = 1; page <= count; ++page) {
        book.push_back(guitest::pageRecord(page));
    }
    return book;
}

} // namespace

class AnaTest : public guitest::AnaFixture {
    Q_OBJECT

private:
    Ana* start() { return startAna(); }
    QWidget* named(const char* name) const { return guitest::control(ana_.get(), name); }
    QString caption(const char* name) const {
        return guitest::control<QLabel>(ana_.get(), name)->text();
    }
    void clickOn(const char* name) { guitest::click(named(name)); }
    bool sectionShown(const char* const (&names)[16], bool shown) const {
        for (const char* name : names) {
            if (named(name)->isVisible() != shown) {
                return false;
            }
        }
        return true;
    }

private slots:
    void firstStartInAnEmptyFolderCreatesTheFiles() {
        start();
        QCOMPARE(folder_->read("bilgi.dat"), QByteArray("1,\"17\"\r\n"));
        QVERIFY(folder_->exists("telefon.dat"));
        QCOMPARE(folder_->read("telefon.dat").size(), 0);
        QCOMPARE(folder_->read("data.dat").size(), 2000);
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(caption("sırab"), QString("1"));
        QCOMPARE(ana_->displayedText(Field::name), QString());
        QVERIFY(sectionShown(kSection1, true));
        QVERIFY(sectionShown(kSection2, false));
        QVERIFY(!ana_->hasEnded());
    }

    void startShowsPageOneAtFullWidthInSectionOne() {
        folder_->writeBook(pages(3));
        start();
        QCOMPARE(caption("sırab"), QString("1"));
        QCOMPARE(caption("isimb"), QString("name1").leftJustified(50));
        QCOMPARE(caption("notlarb"), QString("notes1").leftJustified(340));
        QCOMPARE(caption("verginob"), QString("taxNumber1").leftJustified(50));
        QVERIFY(sectionShown(kSection1, true));
        QVERIFY(sectionShown(kSection2, false));
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void startWithoutPasswordFileEndsTheProgram() {
        folder_->writeBook(pages(1));
        QFile::remove(folder_->filePath("data.dat"));
        ana_ = std::make_unique<Ana>(folder_->store());
        QSignalSpy ended(ana_.get(), &Ana::programEnded);
        ana_->startUp();
        QCOMPARE(ended.count(), 1);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown()[0].title, QString("Dosya Bulunamıyor"));
        QVERIFY(!folder_->exists("data.dat"));
    }

    void startThatRecreatesTheCounterShowsPageOne() {
        folder_->writeBook(pages(2));
        QFile::remove(folder_->filePath("bilgi.dat"));
        start();
        QCOMPARE(caption("isimb").trimmed(), QString("name1"));
        QCOMPARE(folder_->read("bilgi.dat"), QByteArray("3,\"17\"\r\n"));
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void failedCreationIsReported() {
        QDir().mkdir(folder_->filePath("bilgi.dat")); // cannot be replaced by a file
        start();
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown()[0].title, QString("Hata"));
        QVERIFY(MessageBox::shown()[0].text.startsWith("Rehberin dosyaları"));
        QCOMPARE(folder_->read("data.dat").size(), 2000);
    }

    void bookOfThePreviousFormatIsLeftForTheConverter() {
        const QByteArray oldBook(2 * 790, 'a');
        folder_->write("telefon.dat", oldBook);
        folder_->write("bilgi.dat", "3\r\n");
        folder_->write("data.dat", guitest::passwordFiller());
        ana_ = std::make_unique<Ana>(folder_->store());
        QSignalSpy ended(ana_.get(), &Ana::programEnded);
        ana_->startUp();
        QCOMPARE(ended.count(), 1);
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(MessageBox::shown()[0].text.contains("Donusturucu ile dönüştürmelisiniz"));
        QCOMPARE(folder_->read("telefon.dat"), oldBook);
        QCOMPARE(folder_->read("bilgi.dat"), QByteArray("3\r\n"));
    }

    void outlineHasCutCornersAndTheNotch_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("inside");
        QTest::newRow("centre") << QPoint(280, 200) << true;
        QTest::newRow("top left corner cut") << QPoint(3, 3) << false;
        QTest::newRow("top right corner cut") << QPoint(560, 3) << false;
        QTest::newRow("slot of the notch") << QPoint(281, 340) << false;
        QTest::newRow("beside the slot") << QPoint(270, 340) << true;
        QTest::newRow("bottom left") << QPoint(5, 385) << true;
        QTest::newRow("V at the bottom") << QPoint(281, 386) << false;
    }
    void outlineHasCutCornersAndTheNotch() {
        QFETCH(QPoint, point);
        QFETCH(bool, inside);
        start();
        QCOMPARE(ana_->size(), QSize(563, 388));
        QCOMPARE(ana_->mask().contains(point), inside);
    }

    void captionsFitTheirBoxesInTahoma() {
        start();
        ana_->showPage(32767, marunda::ContactRecord());
        QCOMPARE(QFontInfo(named("com1")->font()).family(),
                 QFontInfo(marunda::ui::tahoma(9.75, true)).family());
        const auto labels = ana_->findChildren<marunda::ui::CommandLabel*>();
        QVERIFY(labels.size() >= 50);
        for (const auto* label : labels) {
            if (label->wordWrap()) {
                continue;
            }
            const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
            QVERIFY2(needed <= label->width(), qPrintable(label->objectName()));
        }
    }

    void switchesChangeTheSection() {
        folder_->writeBook(pages(1));
        start();
        clickOn("Label14");
        QVERIFY(sectionShown(kSection1, false));
        QVERIFY(sectionShown(kSection2, true));
        clickOn("Label14");
        QVERIFY(sectionShown(kSection2, true));
        clickOn("Label15");
        QVERIFY(sectionShown(kSection1, true));
        QVERIFY(sectionShown(kSection2, false));
    }

    void pageCommands_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("pagesShown");
        const QStringList forward{"ileri", "ileri", "ileri"};
        QTest::newRow("forward to the end") << 3 << forward << QStringList{"2", "3", "3"};
        QTest::newRow("back to the start")
            << 3 << QStringList{"son", "geri", "geri", "geri"} << QStringList{"3", "2", "1", "1"};
        QTest::newRow("last and first")
            << 3 << QStringList{"son", "son", "ilk", "ilk"} << QStringList{"3", "3", "1", "1"};
        QTest::newRow("empty book")
            << 0 << QStringList{"ileri", "son", "geri", "ilk"} << QStringList{"1", "1", "1", "1"};
        QTest::newRow("one record")
            << 1 << QStringList{"ileri", "son", "geri"} << QStringList{"1", "1", "1"};
    }
    void pageCommands() {
        QFETCH(int, records);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, pagesShown);
        folder_->writeBook(pages(records));
        const QByteArray bookBefore = folder_->read("telefon.dat");
        start();
        for (int i = 0; i < clicks.size(); ++i) {
            clickOn(clicks[i].toUtf8().constData());
            const QString page = pagesShown[i];
            QCOMPARE(caption("sırab"), page);
            const QString name = records == 0 ? QString() : "name" + page;
            QCOMPARE(ana_->displayedText(Field::name).trimmed(), name);
        }
        QCOMPARE(folder_->read("telefon.dat"), bookBefore);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void pageCommandsSeeRecordsAddedMeanwhile() {
        folder_->writeBook(pages(3));
        start();
        clickOn("son");
        folder_->writeBook(pages(4)); // another window added page 4
        clickOn("ileri");
        QCOMPARE(caption("sırab"), QString("4"));
        QCOMPARE(ana_->displayedText(Field::name).trimmed(), QString("name4"));
    }

    void sectionTwoStaysAcrossPages() {
        folder_->writeBook(pages(3));
        start();
        clickOn("Label14");
        clickOn("son");
        QVERIFY(sectionShown(kSection2, true));
        QVERIFY(sectionShown(kSection1, false));
        QCOMPARE(caption("email1b").trimmed(), QString("email13"));
    }

    void unreadableCounterIsReportedAndChangesNothing_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("ileri") << "ileri";
        QTest::newRow("son") << "son";
    }
    void unreadableCounterIsReportedAndChangesNothing() {
        QFETCH(QString, command);
        folder_->writeBook(pages(3));
        start();
        QFile::remove(folder_->filePath("bilgi.dat"));
        QDir().mkdir(folder_->filePath("bilgi.dat")); // cannot be read as a file
        const QByteArray bookBefore = folder_->read("telefon.dat");
        clickOn(command.toUtf8().constData());
        QCOMPARE(caption("sırab"), QString("1"));
        QCOMPARE(ana_->displayedText(Field::name).trimmed(), QString("name1"));
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(MessageBox::shown()[0].text.contains("bilgi.dat"));
        QCOMPARE(folder_->read("telefon.dat"), bookBefore);
    }

    void noticeShowsForOneSecond() {
        start();
        auto* pano = guitest::control<marunda::ui::Notice>(ana_.get(), "pano");
        QVERIFY(!pano->isVisible());
        ana_->notice("Telefon Kaydedildi!");
        QElapsedTimer shown;
        shown.start();
        QVERIFY(pano->isVisible());
        QCOMPARE(pano->text(), QString("Telefon Kaydedildi!"));
        QTRY_VERIFY_WITH_TIMEOUT(!pano->isVisible(), 3000);
        QVERIFY(shown.elapsed() >= 900);
        QCOMPARE(pano->text(), QString("Bilgi Panoda!"));
        QVERIFY(!pano->timer()->isActive());
    }

    void endingTheProgram_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("scratchKept");
        QTest::addColumn<bool>("ends");
        QTest::newRow("Kapat") << "Kapat" << false << true;
        QTest::newRow("Esc") << "Esc" << true << true;
        QTest::newRow("window closed") << "close" << false << false;
    }
    void endingTheProgram() {
        QFETCH(QString, how);
        QFETCH(bool, scratchKept);
        QFETCH(bool, ends);
        start();
        QVERIFY(QTest::qWaitForWindowActive(ana_.get()));
        folder_->write("sirali.tmp", "Ali\r\n");
        QSignalSpy ended(ana_.get(), &Ana::programEnded);
        if (how == "Kapat") {
            clickOn("com6");
        } else if (how == "Esc") {
            QTest::keyClick(ana_.get(), Qt::Key_Escape);
        } else {
            ana_->close();
        }
        QCOMPARE(folder_->exists("sirali.tmp"), scratchKept);
        QCOMPARE(ended.count(), ends ? 1 : 0);
    }
};

QTEST_MAIN(AnaTest)
#include "ana_test.moc"

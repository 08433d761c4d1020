// The search window: the input rule, name and phone searches, status texts, the result list,
// the double-click that shows a page, Cancel and the failures.
#include "ana_fixture.h"

#include "telefon/ana/ana.h"
#include "telefon/search/bul.h"
#include "ui/colours.h"
#include "ui/command_label.h"
#include "ui/message_box.h"
#include "ui/shapes.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTreeWidget>

using namespace marunda::telefon;

using marunda::Field;
using marunda::ui::MessageBox;
namespace colours = marunda::ui::colours;

namespace {

marunda::ContactRecord contact(const QString& name, const QString& phone1,
                               const QString& phone2 = {}, const QString& phone3 = {}) {
    return guitest::record({{Field::name, name},
                            {Field::phone1, phone1},
                            {Field::phone2, phone2},
                            {Field::phone3, phone3}});
}

// The pages and the "Telefon" column of every row, trailing blanks cut, e.g. "2:0212 5551234".
QStringList rowsOf(const QTreeWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const auto* item = list->topLevelItem(i);
        rows << item->text(2) + ":" + item->text(1).trimmed();
    }
    return rows;
}

} // namespace

class BulTest : public guitest::AnaFixture {
    Q_OBJECT

private:
    QPointer<Bul> bul_;

    Bul* open(const std::vector<marunda::ContactRecord>& book) {
        startAna(book);
        ana_->show();
        ana_->openCommand(2);
        bul_ = ana_->findChild<Bul*>("bul");
        return bul_;
    }
    template <class T = QWidget> T* named(const char* name) const {
        return guitest::control<T>(bul_.data(), QString::fromUtf8(name));
    }
    QLineEdit* isim() const { return named<QLineEdit>("isim"); }
    QLineEdit* no() const { return named<QLineEdit>("no"); }
    QTreeWidget* list() const { return named<QTreeWidget>("ListView1"); }
    QString status() const { return named<QLabel>("Label2")->text(); }
    void searchByName(const QString& text) {
        guitest::click(named("Option1"));
        isim()->setText(text);
        guitest::click(named("Command1"));
    }
    void searchByPhone(const QString& text) {
        guitest::click(named("Option2"));
        no()->setText(text);
        guitest::click(named("Command1"));
    }
    marunda::ui::CommandLabel* com2() const {
        return guitest::control<marunda::ui::CommandLabel>(ana_.get(), "com2");
    }
    marunda::ui::MarkerShape* com2b() const {
        return guitest::control<marunda::ui::MarkerShape>(ana_.get(), "com2b");
    }
    void highlightCom2() {
        com2()->setColours(colours::highlight);
        com2b()->setFill(colours::markerHighlight);
    }
    bool com2IsNormal() const {
        return com2()->textColour() == colours::commandNormal &&
               com2b()->fill() == colours::pageNormal;
    }
    // Closing deletes the window once the event loop gets to it.
    bool closedAndGone() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return bul_.isNull();
    }
    void doubleClickRow(int row) {
        auto* item = list()->topLevelItem(row);
        const QRect box = list()->visualItemRect(item);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, box.center());
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, box.center());
    }

private slots:
    void opensWithTheNameOptionAndThreeColumns() {
        open({});
        QCOMPARE(bul_->windowTitle(), QString("Telefon Bul"));
        QVERIFY(named<QRadioButton>("Option1")->isChecked());
        QCOMPARE(bul_->focusWidget(), isim());
        QCOMPARE(isim()->maxLength(), 50);
        QCOMPARE(no()->maxLength(), 30);
        QVERIFY(named<QPushButton>("Command1")->isDefault());
        QCOMPARE(status(), QString());
        QCOMPARE(named<QProgressBar>("cubuk")->value(), 0);
        QCOMPARE(list()->headerItem()->text(0), QString("İsim"));
        QCOMPARE(list()->headerItem()->text(1), QString("Telefon"));
        QCOMPARE(list()->headerItem()->text(2), QString("Sayfa"));
        QVERIFY(!list()->header()->isHidden());
        // 2940, 2000 and 500 twips at 15 twips a pixel
        QCOMPARE(list()->columnWidth(0), 196);
        QCOMPARE(list()->columnWidth(1), 133);
        QCOMPARE(list()->columnWidth(2), 33);
    }

    void optionsEnableOneBoxAndKeepBothTexts() {
        open({});
        const QColor window = QApplication::palette().color(QPalette::Base);
        const QColor face = QApplication::palette().color(QPalette::Button);
        isim()->setText("Ayşe");
        QVERIFY(isim()->isEnabled());
        QVERIFY(!no()->isEnabled());
        QCOMPARE(isim()->palette().color(QPalette::Base), window);
        QCOMPARE(no()->palette().color(QPalette::Disabled, QPalette::Base), face);

        guitest::click(named("Option2"));
        no()->setText("0212");
        QVERIFY(!isim()->isEnabled());
        QVERIFY(no()->isEnabled());
        QCOMPARE(isim()->palette().color(QPalette::Disabled, QPalette::Base), face);
        QCOMPARE(no()->palette().color(QPalette::Base), window);

        guitest::click(named("Option1"));
        QVERIFY(isim()->isEnabled());
        QVERIFY(!no()->isEnabled());
        QCOMPARE(isim()->text(), QString("Ayşe"));
        QCOMPARE(no()->text(), QString("0212"));
    }

    void nameSearch_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("case folded prefix") << "ayş" << QStringList{"1", "2"};
        QTest::newRow("capitals typed") << "AYŞE K" << QStringList{"1", "2"};
        QTest::newRow("dotless and dotted I") << "ışık" << QStringList{"4"};
        QTest::newRow("dotted capital I") << "İSMAİL" << QStringList{"5"};
        QTest::newRow("empty lists every record") << "" << QStringList{"1", "2", "3", "4", "5"};
    }
    void nameSearch() {
        QFETCH(QString, text);
        QFETCH(QStringList, pages);
        open({contact("Ayşe Kaya", "111"), contact("AYŞE KAYA", "222"), contact("Kaya Ayşe", "333"),
              contact("IŞIK Ali", "444"), contact("İsmail Işık", "555")});
        searchByName(text);
        QStringList shown;
        for (int i = 0; i < list()->topLevelItemCount(); ++i) {
            shown << list()->topLevelItem(i)->text(2);
        }
        QCOMPARE(shown, pages);
        QCOMPARE(status(), QString(" %1 tane kayıt bulundu").arg(pages.size()));
        QCOMPARE(isim()->text(), QString());
        QCOMPARE(no()->text(), QString());
    }

    void rowsHoldTheStoredFieldsAtFullWidth() {
        open({contact("Ayşe Kaya", "0212 555 12 34", "0532 1")});
        searchByName("ay");
        QCOMPARE(list()->topLevelItemCount(), 1);
        const auto* row = list()->topLevelItem(0);
        QCOMPARE(row->text(0), QString("Ayşe Kaya").leftJustified(50));
        QCOMPARE(row->text(1), QString("0212 555 12 34").leftJustified(30)); // phone1
        QCOMPARE(row->text(2), QString("1"));

        searchByPhone("05321");
        QCOMPARE(list()->topLevelItem(0)->text(1), QString("0532 1").leftJustified(30));
    }

    void phoneSearch_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("blanks ignored on both sides")
            << "0212 555 12 34" << QStringList{"1:02125551234", "2:0212 5551234"};
        QTest::newRow("dashes count") << "0212-555-12-34" << QStringList{"3:0212-555-12-34"};
        QTest::newRow("no prefix match") << "0212" << QStringList{};
        QTest::newRow("two rows for one record")
            << "0532 777" << QStringList{"4:0532777", "4:0532 777"};
        QTest::newRow("empty finds blank fields")
            << "" << QStringList{"1:", "1:", "2:", "2:", "3:", "3:"};
    }
    void phoneSearch() {
        QFETCH(QString, text);
        QFETCH(QStringList, rows);
        open({contact("A", "02125551234"), contact("B", "0212 5551234"),
              contact("C", "0212-555-12-34"), contact("D", "0532777", "1", "0532 777")});
        searchByPhone(text);
        QCOMPARE(rowsOf(list()), rows);
        // The scratch file ends holding the search text as its only line.
        QCOMPARE(folder_->read("sirali.tmp"), text.toUtf8() + "\r\n");
    }

    void threeHitsCountAndClearTheBoxes() {
        open({contact("Ali Can", "1"), contact("Veli", "2"), contact("ali", "3"),
              contact("ALİ", "4"), contact("ALI", "5")});
        isim()->setText("ali");
        QCOMPARE(bul_->arama(), 3); // "ALİ" folds to "ali", "ALI" to "alı"
        QCOMPARE(rowsOf(list()), (QStringList{"1:1", "3:3", "4:4"}));
        QCOMPARE(status(), QString(" 3 tane kayıt bulundu"));
        QCOMPARE(isim()->text(), QString());
        QCOMPARE(no()->text(), QString());
        QCOMPARE(named<QProgressBar>("cubuk")->value(), 0);
        QVERIFY(named<QPushButton>("Command1")->isEnabled());
    }

    void noHitKeepsTheTextsSelected() {
        open({contact("Ayşe Kaya", "1")});
        no()->setText("0212");
        searchByName("Kaya");
        QCOMPARE(list()->topLevelItemCount(), 0);
        QCOMPARE(status(), QString("Aradığınız kayıt bulunamadı..."));
        QCOMPARE(isim()->text(), QString("Kaya"));
        QCOMPARE(isim()->selectedText(), QString("Kaya"));
        QCOMPARE(no()->selectedText(), QString("0212"));
        QCOMPARE(bul_->focusWidget(), isim());
        QVERIFY(named<QPushButton>("Command1")->isEnabled());
    }

    void emptyBookFindsNothing() {
        open({});
        searchByName("");
        QCOMPARE(list()->topLevelItemCount(), 0);
        QCOMPARE(status(), QString("Aradığınız kayıt bulunamadı..."));
    }

    void rowsStayUntilTheNextSearch() {
        open({contact("Ayşe", "1"), contact("Ali", "2")});
        searchByName("ay");
        searchByName("x");
        QCOMPARE(list()->topLevelItemCount(), 0);
        searchByName("a");
        QCOMPARE(list()->topLevelItemCount(), 2);
    }

    void progressBarMovesInSteps() {
        std::vector<marunda::ContactRecord> book(3000, contact("Ali", "1"));
        open(book);
        auto* bar = named<QProgressBar>("cubuk");
        QSignalSpy moved(bar, &QProgressBar::valueChanged);
        searchByName("ali");
        QCOMPARE(list()->topLevelItemCount(), 3000);
        QCOMPARE(bar->maximum(), 3000);
        QList<int> values;
        for (const auto& signal : moved) {
            values << signal.at(0).toInt();
        }
        QCOMPARE(values, (QList<int>{1024, 2048, 3000, 0}));
    }

    void completionAndCancelRestoreTheMenuColours() {
        open({contact("Ali", "1")});
        highlightCom2();
        searchByName("zzz");
        QVERIFY(!com2IsNormal()); // only a search that found something resets them
        searchByName("ali");
        QVERIFY(com2IsNormal());

        highlightCom2();
        guitest::click(named("Command2"));
        QVERIFY(com2IsNormal());
        QVERIFY(closedAndGone());
    }

    void escapeCancels() {
        open({});
        highlightCom2();
        QTest::keyClick(isim(), Qt::Key_Escape);
        QVERIFY(com2IsNormal());
        QVERIFY(closedAndGone());
    }

    void doubleClickShowsThePageAndCloses() {
        std::vector<marunda::ContactRecord> book;
        for (int page = 1; page <= 15; ++page) {
            book.push_back(guitest::pageRecord(page));
        }
        open(book);
        ana_->showSection(2);
        searchByName("name1"); // pages 1 and 10 to 15
        QCOMPARE(list()->topLevelItem(3)->text(2), QString("12"));
        doubleClickRow(3);
        QCOMPARE(ana_->currentPage(), 12);
        QCOMPARE(guitest::control<QLabel>(ana_.get(), "sırab")->text(), QString("12"));
        QCOMPARE(ana_->displayedText(Field::name), QString("name12").leftJustified(50));
        QCOMPARE(ana_->displayedText(Field::taxNumber), QString("taxNumber12").leftJustified(50));
        QCOMPARE(ana_->visibleSection(), 2);
        QVERIFY(closedAndGone());
    }

    void doubleClickOnAnEmptyListDoesNothing() {
        open({guitest::pageRecord(1), guitest::pageRecord(2)});
        guitest::doubleClick(list()->viewport());
        QVERIFY(!closedAndGone());
        QCOMPARE(ana_->currentPage(), 1);
        searchByName("name2");
        const QRect below = list()->visualItemRect(list()->topLevelItem(0)).translated(0, 60);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, below.center());
        QVERIFY(!closedAndGone());
        QCOMPARE(ana_->currentPage(), 1);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void doubleClickOnAPageDeletedMeanwhileTellsAndStays() {
        open({guitest::pageRecord(1), guitest::pageRecord(2)});
        searchByName("name2");
        folder_->writeBook({guitest::pageRecord(1)});
        doubleClickRow(0);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(ana_->currentPage(), 1);
        QVERIFY(!closedAndGone());
    }

    void doubleClickOnAContactMovedUpMeanwhileTellsAndStays() {
        open({guitest::pageRecord(1), guitest::pageRecord(2), guitest::pageRecord(3)});
        searchByName("name2");
        folder_->writeBook({guitest::pageRecord(1), guitest::pageRecord(3)});
        doubleClickRow(0); // page 2 now holds name3
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(MessageBox::shown()[0].text.contains("artık bu sayfada değil"));
        QCOMPARE(ana_->displayedText(Field::name).trimmed(), QString("name1"));
        QVERIFY(!closedAndGone());
    }

    void unreadableBookIsToldAndChangesNothing() {
        open({contact("Ali", "1"), contact("Ayşe", "2")});
        searchByName("a");
        QFile::remove(folder_->filePath("telefon.dat"));
        QDir(folder_->filePath({})).mkdir("telefon.dat");

        searchByPhone("1");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown()[0].icon, MessageBox::Icon::critical);
        QVERIFY(MessageBox::shown()[0].text.contains("'telefon.dat'"));
        QCOMPARE(list()->topLevelItemCount(), 2);
        QCOMPARE(no()->text(), QString("1"));
        QVERIFY(!folder_->exists("sirali.tmp"));
        QVERIFY(named<QPushButton>("Command1")->isEnabled());
        QCOMPARE(named<QProgressBar>("cubuk")->value(), 0);
    }

    void openingAgainRaisesTheSameWindow() {
        open({});
        ana_->openCommand(2);
        QCOMPARE(ana_->findChildren<Bul*>().size(), 1);
    }
};

QTEST_MAIN(BulTest)
#include "bul_test.moc"

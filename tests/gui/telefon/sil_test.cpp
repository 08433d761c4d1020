// "Telefon Sil": which record goes, what telefon.dat and bilgi.dat hold afterwards, what the main
// window shows, and which page numbers are refused without touching either file.
#include "ana_fixture.h"

#include "telefon/ana/ana.h"
#include "telefon/delete/sil.h"
#include "ui/colours.h"
#include "ui/command_label.h"
#include "ui/message_box.h"
#include "ui/shapes.h"

#include <QLabel>
#include <QLineEdit>

#include <filesystem>
#include <memory>

using namespace marunda::telefon;

using marunda::ContactRecord;
using marunda::Field;
using marunda::ui::MessageBox;
namespace colours = marunda::ui::colours;

namespace {

QByteArray bookOf(const QList<int>& people) {
    QByteArray bytes;
    for (int person : people) {
        bytes += guitest::bytesOf(guitest::pageRecord(person));
    }
    return bytes;
}

QString nameField(int person) {
    return QString::fromStdString(guitest::pageRecord(person).text(Field::name));
}

} // namespace

class SilTest : public guitest::AnaFixture {
    Q_OBJECT

private:
    void start(int records, int shownPage) {
        std::vector<ContactRecord> book;
        for (int page = 1; page <= records; ++page) {
            book.push_back(guitest::pageRecord(page));
        }
        startAna(book);
        for (int page = 1; page < shownPage; ++page) {
            guitest::click(guitest::control(ana_.get(), "ileri"));
        }
        QCOMPARE(ana_->currentPage(), shownPage);
    }
    Sil* open() {
        // As the mouse leaves it when it clicks: highlighted.
        command()->setColours(colours::highlight);
        guitest::control<marunda::ui::MarkerShape>(ana_.get(), "com4b")
            ->setFill(colours::markerHighlight);
        guitest::click(command());
        return ana_->findChild<Sil*>("sil");
    }
    marunda::ui::CommandLabel* command() const {
        return guitest::control<marunda::ui::CommandLabel>(ana_.get(), "com4");
    }
    bool commandIsNormal() const {
        return command()->textColour() == colours::commandNormal &&
               guitest::control<marunda::ui::MarkerShape>(ana_.get(), "com4b")->fill() ==
                   colours::pageNormal;
    }
    static QLineEdit* pageBox(Sil* sil) { return guitest::control<QLineEdit>(sil, "Text1"); }
    static QString nameShown(Sil* sil) { return guitest::control<QLabel>(sil, "Label4")->text(); }
    QString shown(const char* label) const {
        return guitest::control<QLabel>(ana_.get(), label)->text();
    }
    bool gone() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return ana_->findChild<Sil*>("sil") == nullptr;
    }

private slots:
    void deletesThePageAndShowsTheSameContact_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("shownPage");
        QTest::addColumn<QString>("typed"); // empty: the page proposed
        QTest::addColumn<QList<int>>("left");
        QTest::addColumn<int>("pageAfter");
        QTest::addColumn<int>("personAfter"); // 0: an empty page

        QTest::newRow("middle, shown") << 5 << 3 << "" << QList<int>{1, 2, 4, 5} << 2 << 2;
        QTest::newRow("first, shown") << 5 << 1 << "" << QList<int>{2, 3, 4, 5} << 1 << 2;
        QTest::newRow("last, shown") << 5 << 5 << "" << QList<int>{1, 2, 3, 4} << 4 << 4;
        QTest::newRow("only record") << 1 << 1 << "" << QList<int>{} << 1 << 0;
        QTest::newRow("later than shown") << 5 << 2 << "4" << QList<int>{1, 2, 3, 5} << 2 << 2;
        QTest::newRow("earlier than shown") << 5 << 4 << "2" << QList<int>{1, 3, 4, 5} << 3 << 4;
        QTest::newRow("first, page 1 shown") << 5 << 1 << "3" << QList<int>{1, 2, 4, 5} << 1 << 1;
        QTest::newRow("leading blanks") << 3 << 1 << " 2" << QList<int>{1, 3} << 1 << 1;
    }
    void deletesThePageAndShowsTheSameContact() {
        QFETCH(int, records);
        QFETCH(int, shownPage);
        QFETCH(QString, typed);
        QFETCH(QList<int>, left);
        QFETCH(int, pageAfter);
        QFETCH(int, personAfter);
        start(records, shownPage);
        folder_->write("sil.txt", QByteArray(3000, 'z')); // left by an interrupted deletion
        auto* sil = open();
        QVERIFY(sil);
        QCOMPARE(pageBox(sil)->text(), QString::number(shownPage));
        QCOMPARE(nameShown(sil), nameField(shownPage));
        if (!typed.isEmpty()) {
            pageBox(sil)->setText(typed);
        }
        guitest::click(guitest::control(sil, "Command1"));

        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(folder_->read("telefon.dat"), bookOf(left));
        QCOMPARE(folder_->read("bilgi.dat"), guitest::counterFile(records));
        QVERIFY(!folder_->exists("sil.txt"));
        QCOMPARE(ana_->currentPage(), pageAfter);
        const auto expected = personAfter ? guitest::pageRecord(personAfter) : ContactRecord{};
        QCOMPARE(shown("isimb"), QString::fromStdString(expected.text(Field::name)));
        QCOMPARE(shown("verginob"), QString::fromStdString(expected.text(Field::taxNumber)));
        QCOMPARE(shown("pano"), QStringLiteral("Kayıt Silindi!"));
        QVERIFY(commandIsNormal());
        QVERIFY(gone());
    }

    void refusesPagesThatAreNoPage_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("textAfter");
        const QString number = QStringLiteral("Lütfen sayfa numarası olarak sayı yazın");
        const QString noPage = QStringLiteral("Rehberde bu numarada bir sayfa yok, lütfen 1 ile 3 "
                                              "arasında bir sayfa numarası yazın.");
        QTest::newRow("empty") << "" << number << "";
        QTest::newRow("letters") << "abc" << number << "";
        QTest::newRow("zero") << "0" << number << "";
        QTest::newRow("negative") << "-2" << number << "";
        QTest::newRow("above the last") << "4" << noPage << "4";
        QTest::newRow("far above") << "99999999999999" << noPage << "99999999999999";
        QTest::newRow("fraction") << "2.5" << noPage << "2.5";
        QTest::newRow("fraction, comma") << "1,5" << noPage << "1,5";
    }
    void refusesPagesThatAreNoPage() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, textAfter);
        start(3, 2);
        const auto book = folder_->read("telefon.dat");
        auto* sil = open();
        pageBox(sil)->setText(typed);
        guitest::click(guitest::control(sil, "Command1"));

        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown()[0].icon, MessageBox::Icon::critical);
        QCOMPARE(MessageBox::shown()[0].title, QStringLiteral("Hata"));
        QCOMPARE(MessageBox::shown()[0].text, message);
        QCOMPARE(pageBox(sil)->text(), textAfter);
        QCOMPARE(folder_->read("telefon.dat"), book);
        QCOMPARE(folder_->read("bilgi.dat"), guitest::counterFile(4));
        QVERIFY(sil->isVisible());
        QCOMPARE(ana_->currentPage(), 2);
    }

    void emptyBookHasNothingToDelete() {
        start(0, 1);
        auto* sil = open();
        guitest::click(guitest::control(sil, "Command1"));
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown()[0].text,
                 QStringLiteral("Rehberde silinecek bir kayıt bulunmuyor."));
        QCOMPARE(folder_->read("telefon.dat"), QByteArray());
        QCOMPARE(folder_->read("bilgi.dat"), guitest::counterFile(1));
    }

    void typedPageNamesItsContact() {
        start(5, 1);
        auto* sil = open();
        QTest::keyClick(pageBox(sil), Qt::Key_Backspace);
        QCOMPARE(nameShown(sil), nameField(1)); // an empty box names no page
        QTest::keyClicks(pageBox(sil), "4");
        QCOMPARE(nameShown(sil), nameField(4));
        pageBox(sil)->clear();
        QTest::keyClicks(pageBox(sil), "x");
        QCOMPARE(nameShown(sil), nameField(4)); // a letter first leaves the name
        pageBox(sil)->setText("9");
        QCOMPARE(nameShown(sil).trimmed(), QString()); // beyond the last page: no name
        pageBox(sil)->setText("2.5");
        QCOMPARE(nameShown(sil).trimmed(), QString());
        pageBox(sil)->setText("2");
        QCOMPARE(nameShown(sil), nameField(2));
    }

    void nameIsShownAsStored() {
        const QString name = QStringLiteral("<b>Ali</b> <i>Veli</i>");
        folder_->writeBook({guitest::record({{Field::name, name}})});
        ana_ = std::make_unique<Ana>(folder_->store());
        ana_->startUp();
        auto* sil = open();
        auto* label = guitest::control<QLabel>(sil, "Label4");
        QCOMPARE(label->text().trimmed(), name);
        // Drawn with its angle brackets, not read as markup.
        QVERIFY(label->sizeHint().width() >= label->fontMetrics().horizontalAdvance(name));
    }

    void cancelChangesNothing_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("İptal") << false;
        QTest::newRow("Esc") << true;
    }
    void cancelChangesNothing() {
        QFETCH(bool, escape);
        start(3, 2);
        const auto book = folder_->read("telefon.dat");
        auto* sil = open();
        pageBox(sil)->setText("1");
        if (escape) {
            QTest::keyClick(pageBox(sil), Qt::Key_Escape);
        } else {
            guitest::click(guitest::control(sil, "Command2"));
        }
        QVERIFY(gone());
        QCOMPARE(folder_->read("telefon.dat"), book);
        QCOMPARE(folder_->read("bilgi.dat"), guitest::counterFile(4));
        QVERIFY(commandIsNormal());
        QCOMPARE(ana_->currentPage(), 2);
    }

    void failedReplacementKeepsTheBookAndTheWindow() {
        start(3, 2);
        const auto book = folder_->read("telefon.dat");
        std::filesystem::create_directory(folder_->path() / "sil.txt");
        folder_->write("sil.txt/busy", "x"); // a folder where the scratch file must go
        auto* sil = open();
        guitest::click(guitest::control(sil, "Command1"));
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown()[0].title, QStringLiteral("Beklenmeyen Hata"));
        QCOMPARE(MessageBox::shown()[0].text,
                 QStringLiteral("Silme işlemi sırasında beklenmeyen bir hata oluştu, işlem iptal "
                                "edildi"));
        QCOMPARE(folder_->read("telefon.dat"), book);
        QCOMPARE(folder_->read("bilgi.dat"), guitest::counterFile(4));
        QVERIFY(sil->isVisible());
        QCOMPARE(shown("isimb"), nameField(2));
    }

    void opensOnce() {
        start(3, 2);
        auto* sil = open();
        pageBox(sil)->setText("3");
        QCOMPARE(open(), sil);
        QCOMPARE(ana_->findChildren<Sil*>().size(), 1);
        QCOMPARE(pageBox(sil)->text(), QStringLiteral("3"));
    }
};

QTEST_MAIN(SilTest)
#include "sil_test.moc"

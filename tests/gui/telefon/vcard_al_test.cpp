// "vCard Al": the ways in (command line, drop), the password before any file is read, what
// starts ticked, and what "Tamam" and "İptal" leave in the book.
#include "ana_fixture.h"

#include "telefon/ana/ana.h"
#include "ui/message_box.h"
#include "ui/notice.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QUrl>

using namespace marunda::telefon;

using marunda::Field;
using marunda::ui::MessageBox;

namespace {

// The book's contact again (same name, other case and spacing of the phone), a new one, and one
// whose letters code page 1254 cannot hold.
const QByteArray kCards = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:AYŞE KAYA\r\nTEL:+90 532 111 22 33\r\n"
                          "END:VCARD\r\n"
                          "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ali Veli\r\nTEL:0212 555 00 11\r\n"
                          "BDAY:1970-12-07\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ωmega\r\nEND:VCARD\r\n";
const QByteArray kOneCard = "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Şahin;Can\r\nEND:VCARD\r\n";

} // namespace

class VcardAlTest : public guitest::AnaFixture {
    Q_OBJECT

private:
    std::vector<marunda::ContactRecord> book() const {
        return {guitest::record({{Field::name, "Ayşe Kaya"}, {Field::phone1, "0532 1112233"}})};
    }
    void start(const QStringList& files, std::vector<std::string> arguments = {}) {
        for (const auto& file : files) {
            arguments.push_back(folder_->filePath(file).toStdString());
        }
        ana_ = std::make_unique<Ana>(folder_->store());
        ana_->setStartRequest(marunda::parseTelefonArguments(arguments));
        ana_->startUp();
    }
    QDialog* window() const { return guitest::control<QDialog>(ana_.get(), "vcardAl"); }
    QAbstractItemModel* rows() const {
        return guitest::control<QTableView>(window(), "List1")->model();
    }
    QList<bool> ticks() const {
        QList<bool> ticked;
        for (int row = 0; row < rows()->rowCount(); ++row) {
            ticked.append(rows()->index(row, 0).data(Qt::CheckStateRole) == Qt::Checked);
        }
        return ticked;
    }
    QString cell(int row, int column) const { return rows()->index(row, column).data().toString(); }
    void press(const char* button) {
        guitest::click(guitest::control<QPushButton>(window(), button));
    }
    QString pano() const { return guitest::control<QLabel>(ana_.get(), "pano")->text(); }
    bool drop(const QStringList& files) {
        QMimeData data;
        QList<QUrl> urls;
        for (const auto& file : files) {
            urls.append(QUrl::fromLocalFile(folder_->filePath(file)));
        }
        data.setUrls(urls);
        QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ana_.get(), &enter);
        QDropEvent dropped({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ana_.get(), &dropped);
        return enter.isAccepted();
    }

private slots:
    void cleanup() {
        AnaFixture::cleanup();
        for (const QWidget* widget : QApplication::topLevelWidgets()) {
            QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
        }
    }

    void tamamAddsTheTickedAndIptalWritesNothing_data() {
        QTest::addColumn<bool>("tamam");
        QTest::newRow("Tamam") << true;
        QTest::newRow("İptal") << false;
    }
    void tamamAddsTheTickedAndIptalWritesNothing() {
        QFETCH(bool, tamam);
        folder_->writeBook(book());
        folder_->write("rehber.vcf", kCards);
        const QByteArray before = folder_->read("telefon.dat");
        start({"rehber.vcf"});
        QVERIFY(window() && window()->isVisible());
        QCOMPARE(window()->windowTitle(), QStringLiteral("vCard Al"));
        QCOMPARE(ticks(), (QList<bool>{false, true, false}));
        QCOMPARE(cell(0, 3), QStringLiteral("zaten var"));
        QCOMPARE(cell(1, 0), QStringLiteral("Ali Veli"));
        QCOMPARE(cell(1, 1), QStringLiteral("0212 555 00 11"));
        QCOMPARE(cell(1, 2), QStringLiteral("7/12/1970"));
        QVERIFY2(cell(2, 3).contains("Ω"), qPrintable(cell(2, 3)));

        press(tamam ? "Command1" : "Command2");
        QVERIFY(!window()->isVisible());
        if (!tamam) {
            QCOMPARE(folder_->read("telefon.dat"), before);
            QCOMPARE(folder_->read("bilgi.dat"), guitest::counterFile(2));
            QCOMPARE(ana_->currentPage(), 1);
            return;
        }
        const QByteArray added = folder_->read("telefon.dat").mid(before.size());
        QCOMPARE(folder_->read("telefon.dat").left(before.size()), before);
        QCOMPARE(added.size(), qsizetype(marunda::kRecordSize));
        QCOMPARE(folder_->read("bilgi.dat"), guitest::counterFile(3));
        QCOMPARE(ana_->currentPage(), 2);
        QVERIFY(ana_->displayedText(Field::name).startsWith("Ali Veli "));
        QCOMPARE(pano(), QStringLiteral("1 kişi eklendi"));
    }

    // Nothing is read before the password: the file written while the prompt waits is the one
    // the window shows.
    void passwordComesFirst() {
        folder_->writeBook(book());
        folder_->write("data.dat", guitest::passwordFile('3', "abc"));
        start({"yeni.vcf"});
        auto* prompt = guitest::control<QDialog>(ana_.get(), "pass1");
        QVERIFY(prompt && prompt->isVisible());
        QVERIFY(!window());
        folder_->write("yeni.vcf", kOneCard);
        guitest::control<QLineEdit>(prompt, "Text1")->setText("abc");
        guitest::click(guitest::control<QPushButton>(prompt, "Command1"));
        QVERIFY(window() && window()->isVisible());
        QCOMPARE(rows()->rowCount(), 1);
        QCOMPARE(cell(0, 0), QStringLiteral("Can Şahin"));
        press("Command2");
    }

    void dropOpensTheWindowOnItsVcardFiles() {
        folder_->writeBook(book());
        folder_->write("a.vcf", kCards);
        folder_->write("B.VCF", kOneCard);
        folder_->write("not.txt", kOneCard);
        start({});
        QVERIFY(!drop({"not.txt"}));
        QVERIFY(!window());
        QVERIFY(drop({"a.vcf", "not.txt", "B.VCF"}));
        QVERIFY(window() && window()->isVisible());
        QCOMPARE(rows()->rowCount(), 4);
        QCOMPARE(cell(3, 0), QStringLiteral("Can Şahin"));
        press("Command2");
    }

    // Zilora names a page and the name it saw there; a book changed meanwhile opens on page 1.
    void pageRequestHoldsOnlyWhileTheNameDoes_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("shown");
        QTest::newRow("same name") << "2"
                                   << "Can Şahin" << 2;
        QTest::newRow("another name") << "2"
                                      << "Can" << 1;
        QTest::newRow("past the last page") << "3"
                                            << "" << 1;
    }
    void pageRequestHoldsOnlyWhileTheNameDoes() {
        QFETCH(QString, page);
        QFETCH(QString, name);
        QFETCH(int, shown);
        folder_->writeBook({guitest::pageRecord(1), guitest::record({{Field::name, "Can Şahin"}})});
        start({}, {"--sayfa", page.toStdString(), "--isim", name.toStdString()});
        QCOMPARE(ana_->currentPage(), shown);
        QCOMPARE(pano(), shown == 1 ? QStringLiteral("Kişi o sayfada değil.")
                                    : QStringLiteral("Bilgi Panoda!"));
    }

    // Refused before anything is written, saying how many fit.
    void importPastTheLastPageIsRefused() {
        std::vector<marunda::ContactRecord> full(marunda::kMaxPage - 2, guitest::pageRecord(1));
        folder_->writeBook(full);
        folder_->write("iki.vcf", kCards);
        const QByteArray before = folder_->read("telefon.dat");
        start({"iki.vcf"});
        const auto model = rows();
        model->setData(model->index(0, 0), Qt::Checked, Qt::CheckStateRole);
        press("Command1");
        QVERIFY(window() && window()->isVisible());
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY2(MessageBox::shown().last().text.contains("yalnızca 1 tanesine"),
                 qPrintable(MessageBox::shown().last().text));
        QCOMPARE(folder_->read("telefon.dat"), before);
        press("Command2");
    }
};

QTEST_MAIN(VcardAlTest)
#include "vcard_al_test.moc"

// The listing window and its folder chooser: names, ticks, the file written, the overwrite
// question, failures that keep the window open, and the chooser's round trip.
#include "ana_fixture.h"

#include "core/book_edits.h"

#include "core/cp1254.h"
#include "core/listing.h"
#include "telefon/ana/ana.h"
#include "telefon/listing/dokum.h"
#include "telefon/listing/kaydet.h"
#include "ui/message_box.h"
#include "ui/notice.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>

#include <memory>

using namespace marunda::telefon;

using marunda::Field;
using marunda::ui::MessageBox;

namespace {

const char* const kColumnBoxes[] = {"telefon1", "telefon2", "telefon3", "fax",     "adres",
                                    "zilora",   "notlar",   "email1",   "email2",  "email3",
                                    "icq1",     "icq2",     "internet", "vergino", "vergi"};

QByteArray cp1254(const QString& text) {
    return QByteArray::fromStdString(marunda::encodeCp1254(text.toStdString()));
}

QByteArray padded(const QString& text, int width) {
    return cp1254(text).leftJustified(width, ' ');
}

const QByteArray kNameHeader = padded("İsim:", 50) + "\r\n\r\n";

} // namespace

class DokumTest : public guitest::AnaFixture {
    Q_OBJECT

private:
    std::vector<marunda::ContactRecord> book_;

    Dokum* open(std::vector<marunda::ContactRecord> book) {
        book_ = std::move(book);
        startAna(book_);
        ana_->openCommand(9);
        return dokum();
    }
    Dokum* dokum() const { return guitest::control<Dokum>(ana_.get(), "dokum"); }
    Kaydet* kaydet() const { return guitest::control<Kaydet>(ana_.get(), "kaydet"); }
    template <class T = QWidget> T* in(QObject* window, const char* name) const {
        auto* widget = guitest::control<T>(window, name);
        if (!widget) {
            qFatal("no control %s", name);
        }
        return widget;
    }
    QListWidget* list1() const { return in<QListWidget>(dokum(), "List1"); }
    QLineEdit* box(const char* name) const { return in<QLineEdit>(dokum(), name); }
    void press(QObject* window, const char* name) { guitest::click(in(window, name)); }
    // As a click on the box itself (its caption is narrower than the frame's column).
    void tick(QObject* window, const char* name) { in<QCheckBox>(window, name)->click(); }
    // Clicks on entries, each click toggling its entry.
    void selectRows(std::initializer_list<int> rows) {
        for (int row : rows) {
            const QRect rect = list1()->visualItemRect(list1()->item(row));
            QTest::mouseClick(list1()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        }
    }
    // Writes with the given name and folder; the window should then be gone.
    void writeAs(const QString& name, const QString& folder) {
        box("yol1")->setText(name);
        box("adres1")->setText(folder);
        press(dokum(), "Command1");
    }
    QString pano() const { return in<marunda::ui::Notice>(ana_.get(), "pano")->text(); }
    QString folderPath(const QString& name = {}) const {
        return name.isEmpty() ? QString::fromStdU16String(folder_->path().u16string())
                              : folder_->filePath(name);
    }
    // A folder as the listing shows it: in lower case where names ignore case.
    QString shownFolder(const QString& path) const {
        const QString folder = QDir::toNativeSeparators(path);
#ifdef Q_OS_WIN
        return folder.toLower();
#else
        return folder;
#endif
    }
    QString lastMessage() const {
        const auto shown = MessageBox::shown();
        return shown.isEmpty() ? QString() : shown.last().title + ": " + shown.last().text;
    }

private slots:
    void cleanup() {
        AnaFixture::cleanup();
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
        }
    }

    void openingListsEveryPageWithItsCutName() {
        auto* window = open({guitest::record({{Field::name, "Ayşe Kaya"}}),
                             guitest::record({{Field::name, QString(40, 'X')}}),
                             {},
                             guitest::record({{Field::name, "Ali     Veli"}})});
        QCOMPARE(window->windowTitle(), QString("Döküm Alma"));
        QVERIFY(folder_->exists("dokum.tmp"));
        QCOMPARE(folder_->read("dokum.tmp"), QByteArray());

        QStringList names;
        for (int row = 0; row < list1()->count(); ++row) {
            names << list1()->item(row)->text();
        }
        QCOMPARE(names, (QStringList{"Ayşe Kaya", QString(30, 'X'), "", "Ali"}));
        QCOMPARE(list1()->selectionMode(), QAbstractItemView::MultiSelection);
        for (const char* name : kColumnBoxes) {
            QVERIFY2(!in<QCheckBox>(window, name)->isChecked(), name);
        }
        QCOMPARE(box("yol1")->text(), QString());
        QCOMPARE(box("adres1")->text(), shownFolder(folderPath()));
        // The last name taken apart stays in the scratch file, as other windows leave theirs.
        QCOMPARE(folder_->read("sirali.tmp"), padded("Ali     Veli", 50) + "\r\n");

        ana_->openCommand(9);
        QCOMPARE(ana_->findChildren<Dokum*>().size(), 1);
    }

    void everyWayOfClosingRemovesTheMarker_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("İptal") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("close box") << 2;
    }
    void everyWayOfClosingRemovesTheMarker() {
        QFETCH(int, way);
        QPointer<Dokum> window = open({guitest::pageRecord(1)});
        selectRows({0});
        if (way == 0) {
            press(window, "Command2");
        } else if (way == 1) {
            QTest::keyClick(window, Qt::Key_Escape);
        } else {
            window->close();
        }
        QTRY_VERIFY(window.isNull());
        QVERIFY(!folder_->exists("dokum.tmp"));
        QCOMPARE(QDir(folder_->filePath(".")).entryList(QStringList{"*.txt"}), QStringList());
        QCOMPARE(pano(), QString("Bilgi Panoda!"));
    }

    void emptyBookWritesHeaderAndEmptyLine() {
        QPointer<Dokum> window = open({});
        QCOMPARE(list1()->count(), 0);
        writeAs("liste", folderPath());
        QVERIFY(window.isNull() || !window->isVisible());
        QCOMPARE(folder_->read("liste.txt"), kNameHeader);
        QCOMPARE(pano(), QString("Döküm Kaydedildi!"));
        QTRY_VERIFY(!folder_->exists("dokum.tmp"));
    }

    void selectedContactsInPageOrderWithTickedColumns_data() {
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QByteArray>("first");
        QTest::newRow("no field") << QStringList{} << padded("İsim:", 50) << padded("name1", 50);
        QTest::newRow("telefon1 and zilora")
            << QStringList{"zilora", "telefon1"}
            << padded("İsim:", 50) + padded("Telefon 1:", 30) + padded("Doğumgünü:", 20)
            << padded("name1", 50) + padded("phone11", 30) + padded("birthday1", 20);
        QTest::newRow("vergi before vergino")
            << QStringList{"vergino", "vergi"}
            << padded("İsim:", 50) + padded("Vergi Dairesi:", 50) + padded("Vergi No:", 50)
            << padded("name1", 50) + padded("taxOffice1", 50) + padded("taxNumber1", 50);
    }
    void selectedContactsInPageOrderWithTickedColumns() {
        QFETCH(QStringList, ticks);
        QFETCH(QByteArray, header);
        QFETCH(QByteArray, first);
        auto* window =
            open({guitest::pageRecord(1), guitest::pageRecord(2), guitest::pageRecord(3)});
        for (const QString& name : ticks) {
            tick(window, name.toUtf8().constData());
        }
        selectRows({2, 0});
        writeAs("liste", folderPath());
        const QByteArray file = folder_->read("liste.txt");
        const QList<QByteArray> lines = file.split('\n');
        QCOMPARE(lines.size(), 5); // header, empty line, two contacts, nothing after the last
        QCOMPARE(lines[0], header + "\r");
        QCOMPARE(lines[1], QByteArray("\r"));
        QCOMPARE(lines[2], first + "\r");
        QVERIFY(lines[3].startsWith(padded("name3", 50)));
        QCOMPARE(lines[3].size(), first.size() + 1);
    }

    void deletionMeanwhileRefreshesTheListAndWritesNothing() {
        open({guitest::pageRecord(1), guitest::pageRecord(2), guitest::pageRecord(3)});
        QVERIFY(marunda::deletePage(folder_->store(), 1).ok());
        selectRows({1}); // chosen as name2, page 2 now holds name3
        writeAs("liste", folderPath());
        QVERIFY(lastMessage().contains("Kişi listesi yenilendi"));
        QVERIFY(!folder_->exists("liste.txt"));
        QCOMPARE(list1()->count(), 2);
        QVERIFY(list1()->item(0)->text().startsWith("name2"));
        QVERIFY(list1()->selectedItems().isEmpty());
        QVERIFY(dokum());
    }

    void allFieldsGiveTheWholeRecord() {
        auto* window = open({guitest::pageRecord(1), guitest::pageRecord(2)});
        for (const char* name : kColumnBoxes) {
            tick(window, name);
        }
        tick(window, "sec");
        writeAs("tam", folderPath());
        const auto header =
            QByteArray::fromStdString(marunda::listingHeaderLine(marunda::ListingColumns::all()));
        QCOMPARE(folder_->read("tam.txt"), header + "\r\n\r\n" + guitest::bytesOf(book_[0]) +
                                               "\r\n" + guitest::bytesOf(book_[1]) + "\r\n");
    }

    void selectAllOnAndOff() {
        auto* window =
            open({guitest::pageRecord(1), guitest::pageRecord(2), guitest::pageRecord(3)});
        selectRows({1});
        tick(window, "sec");
        QVERIFY(in<QCheckBox>(window, "sec")->isChecked());
        QCOMPARE(list1()->selectedItems().size(), 3);
        tick(window, "sec");
        QCOMPARE(list1()->selectedItems().size(), 0);
        writeAs("bos", folderPath());
        QCOMPARE(folder_->read("bos.txt"), kNameHeader);
    }

    void clickingAnEntryTogglesIt() {
        open({guitest::pageRecord(1), guitest::pageRecord(2)});
        selectRows({1, 0});
        QVERIFY(list1()->item(0)->isSelected() && list1()->item(1)->isSelected());
        selectRows({1});
        QVERIFY(list1()->item(0)->isSelected() && !list1()->item(1)->isSelected());
    }

    void overwriteQuestion_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Evet") << true;
        QTest::newRow("Hayır") << false;
    }
    void overwriteQuestion() {
        QFETCH(bool, yes);
        QPointer<Dokum> window = open({guitest::pageRecord(1)});
        folder_->write("liste.txt", "eski döküm\r\n");
        const QByteArray before = folder_->read("liste.txt");
        selectRows({0});
        MessageBox::setNextAnswer(yes);
        writeAs("liste", folderPath());
        QCOMPARE(lastMessage(),
                 QString("Dosya Zaten Var: Böyle bir dosya zaten var, üstüne yazılsın mı?"));
        QCOMPARE(MessageBox::shown().last().icon, MessageBox::Icon::question);
        if (yes) {
            QCOMPARE(folder_->read("liste.txt"), kNameHeader + padded("name1", 50) + "\r\n");
            QCOMPARE(pano(), QString("Döküm Kaydedildi!"));
        } else {
            QCOMPARE(folder_->read("liste.txt"), before);
            QVERIFY(window && window->isVisible());
            QCOMPARE(list1()->selectedItems().size(), 1);
            QVERIFY(folder_->exists("dokum.tmp"));
            QCOMPARE(pano(), QString("Bilgi Panoda!"));
        }
        QCOMPARE(QDir(folderPath()).entryList(QDir::Files | QDir::Hidden).filter(".new"),
                 QStringList());
    }

    // Every non-empty field, whatever "Kapsam" says, of the chosen contacts only; the same
    // question before an existing file is replaced.
    void vcfNameWritesTheChosenContactsAsVcards_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("existing");
        QTest::newRow("new file") << "rehber.vcf" << false;
        QTest::newRow("existing file, any case") << "Eski.VCF" << true;
    }
    void vcfNameWritesTheChosenContactsAsVcards() {
        QFETCH(QString, name);
        QFETCH(bool, existing);
        QPointer<Dokum> window =
            open({guitest::pageRecord(1), guitest::pageRecord(2), guitest::pageRecord(3)});
        QVERIFY(in(window, "Kapsam")->toolTip().contains(".vcf"));
        if (existing) {
            folder_->write(name, "eski");
            MessageBox::setNextAnswer(true);
        }
        selectRows({0, 2});
        writeAs(name, folderPath());
        QCOMPARE(lastMessage(), existing ? QString("Dosya Zaten Var: Böyle bir dosya zaten var, "
                                                   "üstüne yazılsın mı?")
                                         : QString());
        QVERIFY(window.isNull() || !window->isVisible());
        QCOMPARE(pano(), QString("vCard Kaydedildi!"));
        const QByteArray written = folder_->read(name);
        QVERIFY(written.startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\n"));
        QCOMPARE(written.count("BEGIN:VCARD"), 2);
        for (const char* line : {"FN:name1\r\n", "FN:name3\r\n", "EMAIL;TYPE=INTERNET:email13\r\n",
                                 "X-MARUNDA-VERGI-NO:taxNumber1\r\n"}) {
            QVERIFY2(written.contains(line), line);
        }
        QVERIFY(!written.contains("name2"));
        QCOMPARE(QDir(folderPath()).entryList({"*.txt"}), QStringList());
    }

    void targetNameRules_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::newRow("yol1 empty") << ""
                                    << ""
                                    << ".txt";
        QTest::newRow("folder ends with separator") << "liste"
                                                    << "/"
                                                    << "liste.txt";
        QTest::newRow("capital letters kept") << "Döküm"
                                              << "/Büyük Klasör"
                                              << "Büyük Klasör/Döküm.txt";
    }
    void targetNameRules() {
        QFETCH(QString, name);
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QDir(folderPath()).mkpath("Büyük Klasör");
        open({guitest::pageRecord(1)});
        writeAs(name, QDir::toNativeSeparators(folderPath() + folder));
        QCOMPARE(lastMessage(), QString());
        QCOMPARE(folder_->read(file), kNameHeader);
    }

    void failuresKeepTheWindowAndItsChoices_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty adres1") << ""
                                      << "Hata: Dökümün kaydedileceği klasörü";
        QTest::newRow("missing folder") << "yok/alt"
                                        << "Hata: Döküm dosyası yazılamadı.";
        QTest::newRow("a file for a folder") << "telefon.dat"
                                             << "Hata: Döküm dosyası yazılamadı.";
    }
    void failuresKeepTheWindowAndItsChoices() {
        QFETCH(QString, folder);
        QFETCH(QString, message);
        QPointer<Dokum> window = open({guitest::pageRecord(1), guitest::pageRecord(2)});
        tick(window, "fax");
        selectRows({1});
        const QString target = folder.isEmpty() ? QString() : folder_->filePath(folder);
        writeAs("liste", target);
        QVERIFY(lastMessage().startsWith(message));
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().last().icon, MessageBox::Icon::critical);
        QVERIFY(window && window->isVisible());
        QCOMPARE(box("adres1")->text(), target);
        QCOMPARE(box("yol1")->text(), QString("liste"));
        QVERIFY(in<QCheckBox>(window, "fax")->isChecked());
        QCOMPARE(list1()->selectedItems().size(), 1);
        QCOMPARE(QDir(folderPath()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"bilgi.dat", "data.dat", "dokum.tmp", "sirali.tmp", "telefon.dat"}));
        QCOMPARE(pano(), QString("Bilgi Panoda!"));
    }

    void chooserFillsTheFolderAndReopensWhereItWas() {
        QDir(folderPath()).mkpath("Belgeler/Yıllık Döküm");
        const QString chosen = folderPath("Belgeler/Yıllık Döküm");
        auto* window = open({guitest::pageRecord(1)});
        press(window, "Command3");
        QPointer<Kaydet> chooser = kaydet();
        QVERIFY(chooser && chooser->isVisible());
        QCOMPARE(chooser->windowTitle(), QString("Döküm Gözat"));
        QCOMPARE(chooser->chosenFolder(), shownFolder(folderPath()));

        auto* tree = in<QTreeView>(chooser, "Dir1");
        auto* model = qobject_cast<QFileSystemModel*>(tree->model());
        tree->setCurrentIndex(model->index(chosen));
        press(chooser, "Command1");
        QCOMPARE(box("adres1")->text(), shownFolder(chosen)); // capitals kept where they count
        QVERIFY(chooser && !chooser->isVisible());

        press(window, "Command3");
        QCOMPARE(kaydet(), chooser.data());
        QCOMPARE(chooser->chosenFolder(), shownFolder(chosen));

        press(chooser, "Command2");
        QTRY_VERIFY(chooser.isNull());
        QCOMPARE(box("adres1")->text(), shownFolder(chosen));
        press(window, "Command3");
        QCOMPARE(kaydet()->chosenFolder(), shownFolder(folderPath()));

        writeAs("liste", box("adres1")->text());
        QCOMPARE(folder_->read("Belgeler/Yıllık Döküm/liste.txt"), kNameHeader);
    }

    void enterOnTheFocusedBrowseButtonOpensTheChooser() {
        auto* window = open({});
        QApplication::setActiveWindow(window);
        auto* command3 = in(window, "Command3");
        command3->setFocus(Qt::TabFocusReason);
        QTest::keyClick(command3, Qt::Key_Return);
        QVERIFY(kaydet() && kaydet()->isVisible());
        QVERIFY(dokum() && dokum()->isVisible());
        QVERIFY(!folder_->exists(".txt"));
    }

    void driveNotReadyKeepsTheTreeFolder() {
        auto* window = open({});
        press(window, "Command3");
        auto* drives = in<QComboBox>(kaydet(), "Drive1");
        QVERIFY(drives->count() >= 1);
        // The volume holding the folder; the top of the path where no mount names one.
        const QString mounted = QStorageInfo(folderPath()).rootPath();
        QCOMPARE(drives->currentData().toString(), mounted.isEmpty() ? QDir::rootPath() : mounted);
        const int shown = drives->currentIndex();
        drives->addItem("/yok-olan-aygit", "/yok-olan-aygit");
        drives->setCurrentIndex(drives->count() - 1);
        QCOMPARE(lastMessage(), QString("Hata: Aygıt hazır değil"));
        QCOMPARE(MessageBox::shown().last().icon, MessageBox::Icon::critical);
        QCOMPARE(drives->currentIndex(), shown);
        QCOMPARE(kaydet()->chosenFolder(), shownFolder(folderPath()));
        QVERIFY(kaydet()->isVisible());
    }

    void chooserAfterItsListingClosedFillsNothing() {
        QPointer<Dokum> window = open({});
        press(window, "Command3");
        QPointer<Kaydet> chooser = kaydet();
        press(window, "Command2");
        QTRY_VERIFY(window.isNull());
        QVERIFY(chooser && chooser->isVisible());
        press(chooser, "Command1");
        QTRY_VERIFY(chooser.isNull());
        QCOMPARE(MessageBox::shown().size(), 0);
    }

    void hiddenChooserGoesWithItsListing() {
        QPointer<Dokum> window = open({});
        press(window, "Command3");
        QPointer<Kaydet> chooser = kaydet();
        press(chooser, "Command1");
        press(window, "Command2");
        QTRY_VERIFY(window.isNull());
        QTRY_VERIFY(chooser.isNull());
    }
};

QTEST_MAIN(DokumTest)
#include "dokum_test.moc"

// The shared window pieces: command labels, the notice, single windows and message boxes.
#include "gui_test_support.h"

#include "folder_picker/drive_folder_picker.h"
#include "ui/command_label.h"
#include "ui/fonts.h"
#include "ui/message_box.h"
#include "ui/notice.h"
#include "ui/single_window.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeView>

using marunda::ui::CommandLabel;
using marunda::ui::DriveFolderPicker;
using marunda::ui::MessageBox;

class UiTest : public QObject {
    Q_OBJECT

private slots:
    void commandLabelSignals_data() {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("doubleClicks");
        QTest::addColumn<int>("presses");
        QTest::newRow("left click") << "left" << 1 << 0 << 1;
        QTest::newRow("right click") << "right" << 0 << 0 << 1;
        QTest::newRow("double-click") << "double" << 1 << 1 << 1;
        QTest::newRow("release outside") << "outside" << 0 << 0 << 1;
    }
    void commandLabelSignals() {
        QFETCH(QString, gesture);
        QFETCH(int, clicks);
        QFETCH(int, doubleClicks);
        QFETCH(int, presses);
        QWidget window;
        window.resize(200, 100);
        auto* label = new CommandLabel("Kapat", &window);
        label->setGeometry(10, 10, 60, 17);
        window.show();
        QSignalSpy clicked(label, &CommandLabel::clicked);
        QSignalSpy doubled(label, &CommandLabel::doubleClicked);
        QSignalSpy pressed(label, &CommandLabel::pressed);
        if (gesture == "left") {
            guitest::click(label);
        } else if (gesture == "right") {
            guitest::click(label, Qt::RightButton);
        } else if (gesture == "double") {
            guitest::doubleClick(label);
        } else {
            QTest::mousePress(label, Qt::LeftButton, {}, {5, 5});
            QTest::mouseRelease(label, Qt::LeftButton, {}, {100, 50});
        }
        QCOMPARE(clicked.count(), clicks);
        QCOMPARE(doubled.count(), doubleClicks);
        QCOMPARE(pressed.count(), presses);
    }

    void wrappingLabelBreaksAWordWiderThanItsBox() {
        marunda::ui::CommandLabel label(QString(30, QLatin1Char('W')));
        label.setWordWrap(true);
        label.resize(120, 60);
        const QImage image = label.grab().toImage();
        const int lineHeight = label.fontMetrics().height();
        int inked = 0;
        for (int y = label.contentsRect().top() + lineHeight; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                inked += qGray(image.pixel(x, y)) < 100;
            }
        }
        QVERIFY2(inked > 20, "the rest of the word goes on the second line");
    }

    void noticeRestartsWhenShownAgain() {
        QWidget window;
        marunda::ui::Notice notice("Bilgi Panoda!", &window);
        window.show();
        QVERIFY(!notice.isVisible());
        notice.show("Kayıt Silindi!");
        QCOMPARE(notice.timer()->interval(), 1000);
        QVERIFY(notice.timer()->isSingleShot());
        QTRY_VERIFY(notice.timer()->remainingTime() < 700);
        notice.flash();
        QElapsedTimer again;
        again.start();
        QCOMPARE(notice.text(), QString("Kayıt Silindi!"));
        QTRY_VERIFY_WITH_TIMEOUT(!notice.isVisible(), 3000);
        QVERIFY(again.elapsed() >= 900);
        QCOMPARE(notice.text(), QString("Bilgi Panoda!"));
    }

    void singleWindowOpensOnce() {
        marunda::ui::SingleWindow<QWidget> single;
        QWidget* first = single.open();
        QWidget* again = single.open();
        QCOMPARE(again, first);
        QVERIFY(first->testAttribute(Qt::WA_DeleteOnClose));
        first->close();
        QTRY_VERIFY(!single.isOpen());
        QWidget* fresh = single.open();
        QVERIFY(fresh != nullptr);
        QVERIFY(single.isOpen());
        fresh->close();
    }

    void tahomaFaceShowsTurkishNamesWhole() {
        const QFontMetrics regular(marunda::ui::tahoma(9.75));
        const QFontMetrics bold(marunda::ui::tahoma(9.75, true));
        // No gap after a dotted capital I.
        QCOMPARE(regular.horizontalAdvance("İsim"), regular.horizontalAdvance("Isim"));
        QCOMPARE(bold.horizontalAdvance("İsim:"), bold.horizontalAdvance("Isim:"));
        // A name of 50 letters takes at most the two lines of isimb (177 x 33 pixels).
        for (const QString name : {"Şükrü Çağlayan Öztürkoğlu İğdeli Gülşen Işıkçı Ali",
                                   "İSTANBUL ŞİŞLİ Büyükşehir Kılıçoğlu Yıldırım Güneş"}) {
            QCOMPARE(name.size(), 50);
            const QRect box = regular.boundingRect(QRect(0, 0, 177, 1000), Qt::TextWordWrap, name);
            QVERIFY2(box.height() <= 33, qPrintable(name));
        }
    }

    // The folder list of the listing's chooser and of Kur: the chosen folder in view and found
    // in any case where names ignore case; no folders that the system hides.
    void folderPickerShowsTheChosenFolder_data() {
        QTest::addColumn<bool>("lowerCase");
        QTest::newRow("as stored") << false;
        QTest::newRow("in lower case") << true;
    }
    void folderPickerShowsTheChosenFolder() {
        QFETCH(bool, lowerCase);
#ifndef Q_OS_WIN
        if (lowerCase) {
            QSKIP("names that differ in case are other folders here");
        }
#endif
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(".gizli");
        for (int i = 0; i < 40; ++i) {
            QDir(dir.path()).mkdir(QString("Klasör %1").arg(i, 2, 10, QChar('0')));
        }
        const QString chosen = dir.filePath("Klasör 30");
        DriveFolderPicker picker("Aygıt hazır değil");
        picker.resize(160, 133);
        picker.showFolder(lowerCase ? chosen.toLower() : chosen);
        picker.show();
        QCOMPARE(picker.folder(), chosen);
        auto* tree = picker.findChild<QTreeView*>("Dir1");
#ifndef Q_OS_WIN
        // (Windows hides by an attribute, not by the name.)
        QTRY_COMPARE(tree->model()->rowCount(tree->currentIndex().parent()), 40);
#endif
        QTRY_VERIFY(tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex())));
    }

    void messageBoxesInTestModeAnswerAndRecord() {
        MessageBox::setTestMode(true);
        MessageBox::clearShown();
        MessageBox::setNextAnswer(true);
        QVERIFY(MessageBox::question(nullptr, "Dosya Zaten Var", "Üzerine yazılsın mı?"));
        QVERIFY(!MessageBox::question(nullptr, "Dosya Zaten Var", "Üzerine yazılsın mı?"));
        MessageBox::critical(nullptr, "Hata", "Olmadı");
        const auto shown = MessageBox::shown();
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown[2].icon, MessageBox::Icon::critical);
        QCOMPARE(shown[2].title, QString("Hata"));
        QCOMPARE(shown[0].icon, MessageBox::Icon::question);
    }
};

QTEST_MAIN(UiTest)
#include "ui_test.moc"

// Double-clicking a field of the main window's first section copies its bare text.
#include "ana_fixture.h"

#include "telefon/ana/ana.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

using namespace marunda::telefon;

using marunda::Field;

Q_DECLARE_METATYPE(marunda::Field)

class AnaClipboardTest : public guitest::AnaFixture {
    Q_OBJECT

private:
    void startWith(Field field, const QString& text) {
        startAna({guitest::record({{field, text}})});
        QGuiApplication::clipboard()->setText("önceki");
    }
    QLabel* label(const char* name) const { return guitest::control<QLabel>(ana_.get(), name); }

private slots:
    void copiesTheBareText_data() {
        QTest::addColumn<QString>("labelName");
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("copied");
        const QString name50 = QString("Gülşen Çağlayan Işıkoğlu ").repeated(2).left(49) + "ş";
        const QString name46 = QString("Ayşe Kaya ").repeated(5).left(46);
        QString note340;
        for (int i = 0; note340.size() < 340; ++i) {
            note340 += QString("not%1 ").arg(i);
        }
        note340 = note340.left(339) + "x";
        QTest::newRow("name") << "isimb" << Field::name << "Ayşe Yılmaz"
                              << "Ayşe Yılmaz";
        QTest::newRow("name with four blanks inside") << "isimb" << Field::name << "Ali    Veli"
                                                      << "Ali    Veli";
        QTest::newRow("name filling the field") << "isimb" << Field::name << name50 << name50;
        QTest::newRow("name of 46 and four trailing blanks")
            << "isimb" << Field::name << name46 << name46 + "    ";
        QTest::newRow("phone without blanks") << "tel1b" << Field::phone1 << "555 12 12"
                                              << "5551212";
        QTest::newRow("phone 2") << "tel2b" << Field::phone2 << "0 532 111 22 33"
                                 << "05321112233";
        QTest::newRow("phone 3 with a blank run")
            << "tel3b" << Field::phone3 << "212 44     dahili 5"
            << "21244";
        QTest::newRow("fax") << "faxb" << Field::fax << "0212 555 12 13"
                             << "02125551213";
        QTest::newRow("address cut at five blanks")
            << "adresb" << Field::address << "Atatürk Cad.     No 5"
            << "Atatürk Cad.";
        QTest::newRow("birthday") << "zilorab" << Field::birthday << "7/12/1970"
                                  << "7/12/1970";
        QTest::newRow("notes filling the field") << "notlarb" << Field::notes << note340 << note340;
        QTest::newRow("empty field") << "notlarb" << Field::notes << ""
                                     << "";
    }
    void copiesTheBareText() {
        QFETCH(QString, labelName);
        QFETCH(Field, field);
        QFETCH(QString, stored);
        QFETCH(QString, copied);
        startWith(field, stored);
        QLabel* shown = label(labelName.toUtf8().constData());
        guitest::doubleClick(shown);
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        QVERIFY(label("pano")->isVisible());
        QCOMPARE(label("pano")->text(), QString("Bilgi Panoda!"));
        // The scratch file keeps the whole caption, blanks and all, in code page 1254.
        const QByteArray scratch = folder_->read("sirali.tmp");
        QVERIFY(scratch.endsWith("\r\n"));
        QCOMPARE(scratch.size() - 2, shown->text().size());
    }

    void sectionTwoCopiesNothing() {
        startWith(Field::email1, "ali@example.com");
        guitest::click(guitest::control(ana_.get(), "Label14"));
        guitest::doubleClick(label("email1b"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("önceki"));
        QVERIFY(!label("pano")->isVisible());
        QVERIFY(!folder_->exists("sirali.tmp"));
    }

    void copyShowsTheNoticeThatIsShowing() {
        startWith(Field::name, "Ayşe");
        ana_->notice("Kayıt Silindi!");
        guitest::doubleClick(label("isimb"));
        QCOMPARE(label("pano")->text(), QString("Kayıt Silindi!"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("Ayşe"));
    }

    void copyWorksWhenTheScratchFileCannotBeWritten() {
        startWith(Field::phone1, "555 12 12");
        QDir().mkdir(folder_->filePath("sirali.tmp"));
        guitest::doubleClick(label("tel1b"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("5551212"));
        QVERIFY(label("pano")->isVisible());
    }
};

QTEST_MAIN(AnaClipboardTest)
#include "ana_clipboard_test.moc"

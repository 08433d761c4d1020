// The installation medium end to end, in a home of its own: Kur's windows install it, the
// installed Telefon starts from its folder, the uninstaller's copy runs alone, and the removal
// leaves only the backup and that copy.
#include "gui_test_support.h"
#include "installer/kur/form1.h"
#include "installer/kur/form2.h"
#include "installer/kur/form3.h"
#include "installer/kur/startup.h"
#include "kur_test_support.h"

#include <QDirIterator>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>

#include <csignal>

using namespace marunda::kur;
using marunda::ui::MessageBox;

namespace {

QString medium() {
    return QStringLiteral(MEDIUM_FOLDER);
}

std::filesystem::path fsPath(const QString& path) {
    const QByteArray utf8 = path.toUtf8();
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// The files under `root`, relative to it.
QStringList filesUnder(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files.append(QDir(root).relativeFilePath(it.next()));
    }
    files.sort();
    return files;
}

// Ends what the installation started from `folder` (Zilora), by its process id.
void endProgramsFrom(const QString& folder) {
    const std::string prefix = fsPath(folder).string() + "/";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string pid = entry.path().filename().string();
        if (pid.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        const auto exe = std::filesystem::read_symlink(entry.path() / "exe", error);
        if (!error && exe.string().starts_with(prefix)) {
            ::kill(std::stoi(pid), SIGTERM);
        }
    }
}

} // namespace

class MediumTest : public QObject {
    Q_OBJECT

private:
    kurtest::Home home_;

    QString target() const { return home_.path("Kişiler, Ev"); }

    void install() {
        auto windows = start(fsPath(medium()), fsPath(medium() + "/Kur"));
        QVERIFY(windows.form1->isVisible());
        guitest::control<QLineEdit>(windows.form1.get(), "Text1")
            ->setText(QDir::toNativeSeparators(target()));
        MessageBox::setNextAnswer(true);
        guitest::click(guitest::control(windows.form1.get(), "Command1"));
        QCOMPARE(kurtest::messages().last(),
                 QString("Kurulum Başarılı: Marunda 1.7 Programı bilgisayarınıza başarıyla "
                         "kurulmuştur"));
    }

    void remove() {
        auto windows = start(fsPath(medium()), fsPath(medium() + "/Kur"));
        QVERIFY(windows.form3);
        guitest::control<QRadioButton>(windows.form3.get(), "Option1")->setChecked(true);
        guitest::click(guitest::control(windows.form3.get(), "Command1"));
        MessageBox::setNextAnswer(true);
        guitest::click(guitest::control(windows.form3->form2(), "Command1"));
        QCOMPARE(kurtest::messages().last(),
                 QString("Marunda 1.7 Kur: Marunda 1.7 Programı bilgisayarınızdan başarıyla "
                         "kaldırılmıştır"));
    }

private slots:
    void initTestCase() {
        MessageBox::setTestMode(true);
        QVERIFY(QFile::exists(medium() + "/dosya1.dat"));
    }

    void installsRunsAndRemoves() {
        install();
        for (const char* name :
             {"Telefon", "Zilora", "Zilora.wav", "Donusturucu", "libmarunda_core.so"}) {
            QVERIFY2(QFile::exists(target() + "/" + name), name);
        }
        const QStringList entries =
            filesUnder(home_.path()).filter(QRegularExpression("\\.(desktop|directory)$"));
        QCOMPARE(entries.size(), 7);
        for (const QString& entry : entries) {
            QProcess validate;
            validate.start("desktop-file-validate", {home_.path(entry)});
            QVERIFY(validate.waitForFinished());
            const QByteArray said = validate.readAll();
            // Hints (a category of our own) are not errors.
            QVERIFY2(validate.exitCode() == 0 && !said.contains("error:"),
                     qPrintable(entry + ": " + said));
        }

        QProcess telefon;
        telefon.start(target() + "/Telefon");
        QVERIFY(telefon.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(target() + "/data.dat"), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(target() + "/bilgi.dat"), 10000);
        telefon.kill();
        telefon.waitForFinished();
        // Zilora, which the installation started from the target, if it still runs.
        endProgramsFrom(target());

        // The uninstaller's copy starts with none of the libraries beside it.
        QProcess uninstaller;
        uninstaller.start(home_.windowsFolder() + "/Telefon_Kur_17");
        QVERIFY(uninstaller.waitForStarted());
        QVERIFY(!uninstaller.waitForFinished(1000));
        uninstaller.kill();
        uninstaller.waitForFinished();

        remove();
        QVERIFY(!QFile::exists(target()));
        // The home's own stand-in medium aside.
        const QStringList left =
            filesUnder(home_.path()).filter(QRegularExpression("^(?!medium/)"));
        QCOMPARE(left, (QStringList{"Desktop/Marunda Kayıt Dosyaları/Beni Oku.txt",
                                    "Desktop/Marunda Kayıt Dosyaları/bilgi.dat",
                                    "Desktop/Marunda Kayıt Dosyaları/data.dat",
                                    "Desktop/Marunda Kayıt Dosyaları/telefon.dat",
                                    "data/Marunda/Telefon_Kur_17"}));
    }
};

QTEST_MAIN(MediumTest)
#include "medium_test.moc"

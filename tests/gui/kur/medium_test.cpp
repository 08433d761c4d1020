// The installation medium end to end, in a home of its own: Kur's windows install it into the
// folder Kur proposes, the installed Telefon starts from there, the uninstaller's copy runs
// alone, and the removal leaves only the backup and that copy.
#include "gui_test_support.h"
#include "kur/form1.h"
#include "kur/form2.h"
#include "kur/form3.h"
#include "kur/startup.h"
#include "kur_test_support.h"
#include "zilora/instance_channel.h"

#include <QDirIterator>
#include <QImage>
#include <QLineEdit>
#include <QLocalSocket>
#include <QProcess>
#include <QRadioButton>

#ifdef _WIN32
#include "program_resources.h"
#include "run_key_reader.h"
#include "shell_link_reader.h"

#include <knownfolders.h>
#include <tlhelp32.h>
// The Win32 macro would rename the message box of our windows.
#undef MessageBox
#else
#include <csignal>
#endif

using namespace marunda::kur;
using marunda::installer::programName;
using marunda::ui::MessageBox;

namespace {

// The build's medium, beside the folder of the programs.
QString medium() {
    return QCoreApplication::applicationDirPath() + "/../medium";
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

#ifdef _WIN32
std::filesystem::path programsFolder() {
    PWSTR path = nullptr;
    SHGetKnownFolderPath(FOLDERID_Programs, KF_FLAG_CREATE, nullptr, &path);
    std::filesystem::path folder(path ? path : L"");
    CoTaskMemFree(path);
    return folder;
}

// Ends what the installation started from `folder` (Zilora).
void endProgramsFrom(const QString& folder) {
    const std::wstring prefix = QDir::toNativeSeparators(folder + "/").toLower().toStdWString();
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        const HANDLE process =
            OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE,
                        entry.th32ProcessID);
        wchar_t image[MAX_PATH];
        DWORD size = MAX_PATH;
        if (process && QueryFullProcessImageNameW(process, 0, image, &size) &&
            QString::fromWCharArray(image, size).toLower().toStdWString().starts_with(prefix)) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 5000);
        }
        if (process) {
            CloseHandle(process);
        }
    }
    CloseHandle(snapshot);
}
#else
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
#endif

} // namespace
class MediumTest : public QObject {
    Q_OBJECT

private:
    kurtest::Home home_;

    QString target() const {
        return kurtest::qtPath(marunda::platform::defaultInstallationFolder());
    }
    QString kur() const { return medium() + "/" + QString::fromStdString(programName("Kur")); }
    QString installed(const char* program) const {
        return target() + "/" + QString::fromStdString(programName(program));
    }

    void install() {
        auto windows = start(fsPath(medium()), fsPath(kur()));
        QVERIFY(windows.form1->isVisible());
        QCOMPARE(guitest::control<QLineEdit>(windows.form1.get(), "Text1")->text(),
                 QDir::toNativeSeparators(target()));
        MessageBox::setNextAnswer(true);
        guitest::click(guitest::control(windows.form1.get(), "Command1"));
        QCOMPARE(kurtest::messages().last(),
                 QString("Kurulum Başarılı: Marunda 1.7 Programı bilgisayarınıza başarıyla "
                         "kurulmuştur"));
    }

    // The removal with a backup, through Kur's windows; what Kur said last.
    QString removal() {
        auto windows = start(fsPath(medium()), fsPath(kur()));
        if (!windows.form3) {
            return {};
        }
        guitest::control<QRadioButton>(windows.form3.get(), "Option1")->setChecked(true);
        guitest::click(guitest::control(windows.form3.get(), "Command1"));
        MessageBox::setNextAnswer(true);
        guitest::click(guitest::control(windows.form3->form2(), "Command1"));
        return kurtest::messages().last();
    }

    void remove() {
        QCOMPARE(removal(), QString("Marunda 1.7 Kur: Marunda 1.7 Programı bilgisayarınızdan "
                                    "başarıyla kaldırılmıştır"));
    }

    void reinstall() {
        auto windows = start(fsPath(medium()), fsPath(kur()));
        QVERIFY(windows.form3);
        guitest::control<QRadioButton>(windows.form3.get(), "Option2")->setChecked(true);
        guitest::click(guitest::control(windows.form3.get(), "Command1"));
        guitest::click(guitest::control(windows.form1.get(), "Command1"));
        QCOMPARE(kurtest::messages().last(),
                 QString("Kurulum Başarılı: Marunda 1.7 Programı bilgisayarınıza başarıyla "
                         "kurulmuştur"));
    }

    // Connects `socket` to the Zilora that the installation started, once it listens: the
    // connection closes when that Zilora ends.
    void connectToZilora(QLocalSocket& socket) {
        const QString name = marunda::zilora::channelName(target());
        QTRY_VERIFY_WITH_TIMEOUT(
            (socket.abort(), socket.connectToServer(name), socket.waitForConnected(200)), 30000);
    }

    // The menu entries, the desktop shortcut and the logon entry, as the system reads them.
    void checkRegistered() {
#ifdef _WIN32
        const auto path = [](const QString& file) {
            return QDir::toNativeSeparators(file).toStdWString();
        };
        const auto group = programsFolder() / L"Marunda";
        const std::pair<const wchar_t*, QString> items[] = {
            {L"Marunda.lnk", installed("Telefon")},
            {L"Programı Kaldır.lnk", home_.inWindows("Telefon_Kur_17.exe")},
            {L"Selvira.lnk", installed("Zilora")},
            { L"Dorvex.lnk",
              installed("Donusturucu") }};
        for (const auto& [name, program] : items) {
            QCOMPARE(readLink(group / name).itemPath, path(program));
            QCOMPARE(readLink(group / name).icon, path(program) + L",0");
        }
        QCOMPARE(readLink(fsPath(home_.shortcut())).itemPath, path(installed("Telefon")));
        QCOMPARE(runValue(HKEY_LOCAL_MACHINE, "Zilora") + runValue(HKEY_CURRENT_USER, "Zilora"),
                 L"\"" + path(installed("Zilora")) + L"\"");
#else
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
        checkIcons(entries.filter(QRegularExpression("^(Desktop|data/applications)/")));
#endif
    }

#ifndef _WIN32
    // Each picture of the icon theme at its size, and the icons of the menu's and the desktop's
    // entries found in the theme as an icon theme's reader finds them.
    void checkIcons(const QStringList& entries) {
        const QStringList pictures = filesUnder(home_.path("data/icons"));
        QCOMPARE(pictures.size(), int(marunda::installer::programIcons().size() *
                                      marunda::installer::kThemeIconSizes.size()));
        for (const QString& picture : pictures) {
            const int size = picture.section('/', 1, 1).section('x', 0, 0).toInt(); // hicolor/NxN/
            QCOMPARE(QImage(home_.path("data/icons/" + picture)).size(), QSize(size, size));
        }
        QProcess reader;
        QStringList arguments{"-c", "import sys, xdg.DesktopEntry as d, xdg.IconTheme as t\n"
                                    "for f in sys.argv[1:]:\n"
                                    "    print(t.getIconPath(d.DesktopEntry(f).getIcon(), 48))"};
        for (const QString& entry : entries) {
            arguments << home_.path(entry);
        }
        reader.start("/usr/bin/python3", arguments);
        QVERIFY(reader.waitForFinished());
        const QString theme = home_.path("data/icons/hicolor/48x48/apps/");
        QCOMPARE(QString::fromUtf8(reader.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
                 (QStringList{theme + "marunda-telefon.png", theme + "marunda-donusturucu.png",
                              theme + "marunda-kur.png", theme + "marunda-telefon.png",
                              theme + "marunda-zilora.png"}));
    }
#endif

#ifdef _WIN32
    // Each program's icon and version, and the administrator asked for by Kur and its copy alone.
    void checkResources() {
        const struct {
            QString file;
            const wchar_t* description;
            bool administrator;
        } programs[] = {
            {installed("Telefon"), L"Marunda telefon rehberi", false},
            {installed("Zilora"), L"Marunda doğum günü hatırlatıcısı", false},
            {installed("Donusturucu"), L"Marunda 1.6 kayıt dönüştürücüsü", false},
            {kur(), L"Marunda kurulum ve kaldırma programı", true},
            {home_.inWindows("Telefon_Kur_17.exe"), L"Marunda kurulum ve kaldırma programı", true},
        };
        for (const auto& program : programs) {
            const auto found = readResources(fsPath(program.file));
            const QByteArray what = program.file.toUtf8();
            QCOMPARE(found.icons, (std::vector<int>{16, 24, 32, 48, 0}));
            QVERIFY2(found.product == L"Marunda" && found.version == L"1.7" &&
                         found.description == program.description &&
                         found.fileVersionMs == MAKELONG(7, 1),
                     what);
            const bool asks = found.manifest.find("\"requireAdministrator\"") != std::string::npos;
            QVERIFY2(asks == program.administrator, what);
        }
    }

    // A program's file held open: the removal deletes nothing and names the program to close.
    void checkRemovalWaitsForAHeldFile() {
        const HANDLE held = CreateFileW(fsPath(installed("Zilora")).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        QVERIFY(held != INVALID_HANDLE_VALUE);
        const QString said = removal();
        CloseHandle(held);
        QCOMPARE(said, "Marunda 1.7 Kur: " + QDir::toNativeSeparators(installed("Zilora")) +
                           " dosyası şu anda silinemediği (büyük olasılıkla kullanımda olduğu) "
                           "için hiçbir dosya silinmedi. Lütfen Selvira programını kapatın ve "
                           "Kaldır tuşuna yeniden basın.");
        QVERIFY(QFile::exists(installed("Telefon")));
        QVERIFY(QFile::exists(target() + "/data.dat"));
        QVERIFY(QFile::exists(home_.shortcut()));
        QVERIFY(QFile::exists(home_.inWindows("Marunda_17.log")));
    }
#endif

    // Each program started from its folder: Telefon writes its first-run files; the
    // uninstaller's copy, with nothing of the installation beside it, runs until it is ended.
    void checkPrograms() {
        QProcess telefon;
        telefon.start(installed("Telefon"));
        QVERIFY(telefon.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(target() + "/data.dat"), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(target() + "/bilgi.dat"), 10000);
        telefon.kill();
        telefon.waitForFinished();
        // Zilora, which the installation started from the target, if it still runs.
        endProgramsFrom(target());

        QProcess uninstaller;
        uninstaller.start(home_.inWindows(QString::fromStdString(programName("Telefon_Kur_17"))));
        QVERIFY(uninstaller.waitForStarted());
        QVERIFY(!uninstaller.waitForFinished(3000));
        uninstaller.kill();
        uninstaller.waitForFinished();
    }

private slots:
    void initTestCase() {
        MessageBox::setTestMode(true);
        QVERIFY(QFile::exists(medium() + "/dosya1.dat"));
    }

    // A case that failed half way leaves no program running from the folder for the next one.
    void cleanup() {
        endProgramsFrom(target());
    }

    void installsRunsAndRemoves() {
        install();
        QStringList files{"Telefon", "Zilora", "Donusturucu"};
        for (auto& file : files) {
            file = QString::fromStdString(programName(file.toStdString()));
        }
        files << "Zilora.wav"
              << "libmarunda_core" + QString::fromLatin1(marunda::installer::kLibrarySuffix);
        for (const auto& runtime : marunda::installer::runtimeFiles()) {
            files << QString::fromStdString(runtime);
        }
        for (const QString& file : files) {
            QVERIFY2(QFile::exists(target() + "/" + file), qPrintable(file));
        }
        checkRegistered();
        checkPrograms();
#ifdef _WIN32
        checkResources();
        checkRemovalWaitsForAHeldFile();
#endif

        remove();
        QVERIFY(!QFile::exists(target()));
        QVERIFY(!QFile::exists(home_.shortcut()));
        QVERIFY(!home_.startsAtLogon());
        QVERIFY(!QFile::exists(home_.inWindows("Marunda_17.log")));
        QVERIFY(
            QFile::exists(home_.inWindows(QString::fromStdString(programName("Telefon_Kur_17")))));
        QCOMPARE(filesUnder(home_.onDesktop("Marunda Kayıt Dosyaları")),
                 (QStringList{"Beni Oku.txt", "bilgi.dat", "data.dat", "telefon.dat"}));
#ifndef _WIN32
        // Nothing else of ours in the home (its stand-in medium aside).
        const QStringList left =
            filesUnder(home_.path()).filter(QRegularExpression("^(?!medium/)"));
        QCOMPARE(left, (QStringList{"Desktop/Marunda Kayıt Dosyaları/Beni Oku.txt",
                                    "Desktop/Marunda Kayıt Dosyaları/bilgi.dat",
                                    "Desktop/Marunda Kayıt Dosyaları/data.dat",
                                    "Desktop/Marunda Kayıt Dosyaları/telefon.dat",
                                    "data/Marunda/Telefon_Kur_17"}));
#endif
    }

    // A second Zilora of the installation ends at once; Kur ends the running one before it
    // replaces the files and before it removes them.
    void oneZiloraThatKurEnds() {
        install();
        QLocalSocket first;
        connectToZilora(first);
        QProcess second;
        second.start(installed("Zilora"));
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QLocalSocket::ConnectedState);

        reinstall();
        QVERIFY(first.state() == QLocalSocket::UnconnectedState || first.waitForDisconnected(0));
        QLocalSocket reinstalled;
        connectToZilora(reinstalled);
        remove();
        QVERIFY(reinstalled.state() == QLocalSocket::UnconnectedState ||
                reinstalled.waitForDisconnected(0));
        QVERIFY(!QFile::exists(target()));
    }
};

QTEST_MAIN(MediumTest)
#include "medium_test.moc"

// Telefon, Zilora and Donusturucu started on broken data folders, and Kur removing an installation
// whose folder is one of them: none may crash, each says what it says of its own, and the only
// files that change are repairs that lose nothing.
#include "core/contact_record.h"
#include "core/file_name.h"
#include "core/password_file.h"
#include "core/record_store.h"
#include "donusturucu/form1.h"
#include "installer/backup.h"
#include "installer/installation_log.h"
#include "kur/form2.h"
#include "platform/platform.h"
#include "telefon/ana/ana.h"
#include "ui/message_box.h"
#include "zilora/pasta.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <map>
#include <ranges>

using marunda::ui::MessageBox;

namespace {

using Files = std::map<QString, QByteArray>;

QByteArray recordOf(const QString& name, const QString& birthday = {}) {
    marunda::ContactRecord record;
    record.setText(marunda::Field::name, name.toStdString());
    record.setText(marunda::Field::birthday, birthday.toStdString());
    return QByteArray(record.bytes().data(), static_cast<qsizetype>(record.bytes().size()));
}

QByteArray filler() {
    QByteArray bytes;
    while (bytes.size() < 2000) {
        bytes += QByteArray::fromStdString(std::string(marunda::kPasswordFiller));
    }
    return bytes;
}

const QByteArray kTwo = recordOf("Ayşe Yılmaz", "7/12/1980") + recordOf("Bora Kaya");

// A sound two-record book, with the named files replaced (an empty value removes the file).
Files bookWith(Files changes) {
    Files files{{"telefon.dat", kTwo}, {"bilgi.dat", "3,\"17\"\r\n"}, {"data.dat", filler()}};
    for (auto& [name, bytes] : changes) {
        files[name] = bytes;
    }
    return files;
}

// What each program makes of a folder: the titles of the message boxes it shows, in order, and
// the files it creates, changes or removes.
struct Seen {
    QStringList says;
    QStringList changes;
    bool operator==(const Seen&) const = default;
};

struct Case {
    const char* name;
    Files files; // a value "<dir>" makes a folder of that name
    Seen telefon;
    bool zileraGreets;                           // Ayşe's birthday is the day of the test
    Seen donusturucu;                            // its one message
    std::function<void(const QDir&)> alter = {}; // what files cannot say (modes)
};

const QByteArray kDir = "<dir>";
const QString kFirstRun = "bilgi.dat, data.dat, telefon.dat";
const Seen kConverted{{"Tavira"}, {}}; // already converted: nothing to do
const Seen kNoBook{{"Hata"}, {}};
const Seen kMarkerRestored{{"Tavira"}, {"bilgi.dat"}}; // a 1.7 book that lost its marker

std::vector<Case> cases() {
    const auto readOnly = [](const char* name) {
        return [name](const QDir& dir) {
            QFile::setPermissions(dir.filePath(name), QFile::ReadOwner | QFile::ReadUser);
        };
    };
    const auto changes = [](const QString& names) {
        return Seen{{}, names.isEmpty() ? QStringList() : names.split(", ")};
    };
    const auto says = [](const QString& title) {
        return Seen{{title}, {}};
    };
    const Seen nothing;
    return {
        {"empty folder", {}, changes(kFirstRun), false, kNoBook},
        {"empty telefon.dat, no bilgi.dat",
         {{"telefon.dat", ""}, {"data.dat", filler()}},
         changes("bilgi.dat"),
         false,
         kNoBook},
        {"telefon.dat of 1019 bytes", bookWith({{"telefon.dat", kTwo.left(1019)}}),
         changes("bilgi.dat, telefon.dat"), true, kConverted},
        {"telefon.dat with a torn second record", bookWith({{"telefon.dat", kTwo.left(1500)}}),
         changes("telefon.dat"), true, kConverted},
        {"a torn record past the counter, with a birthday",
         bookWith({{"telefon.dat", recordOf("Bora Kaya") + kTwo.left(400)},
                   {"bilgi.dat", "2,\"17\"\r\n"}}),
         changes("bilgi.dat, telefon.dat"), true, kConverted},
        {"bilgi.dat missing", bookWith({{"bilgi.dat", {}}}), changes("bilgi.dat"), false, kNoBook},
        {"bilgi.dat empty", bookWith({{"bilgi.dat", ""}}), changes("bilgi.dat"), false, kNoBook},
        {"bilgi.dat garbage", bookWith({{"bilgi.dat", "\x01\xff?garbage\r\n"}}),
         changes("bilgi.dat"), false, kNoBook},
        {"bilgi.dat negative", bookWith({{"bilgi.dat", "-5,\"17\"\r\n"}}), changes("bilgi.dat"),
         false, kConverted},
        {"bilgi.dat huge", bookWith({{"bilgi.dat", "99999999999,\"17\"\r\n"}}),
         changes("bilgi.dat"), false, kConverted},
        {"bilgi.dat NUL-filled", bookWith({{"bilgi.dat", QByteArray(8, '\0')}}),
         changes("bilgi.dat"), false, kNoBook},
        {"bilgi.dat counter too high", bookWith({{"bilgi.dat", "9,\"17\"\r\n"}}),
         changes("bilgi.dat"), true, kConverted},
        {"bilgi.dat of a 1.6 book, one item", bookWith({{"bilgi.dat", "3\r\n"}}),
         says("Dönüştürme Gerekli"), true, kMarkerRestored},
        {"bilgi.dat of a 1.6 book, two items", bookWith({{"bilgi.dat", "3,\"16\"\r\n"}}),
         says("Dönüştürme Gerekli"), true, kMarkerRestored},
        {"data.dat missing", bookWith({{"data.dat", {}}}), says("Dosya Bulunamıyor"), true,
         kConverted},
        {"data.dat of 0 bytes", bookWith({{"data.dat", ""}}), says("Dosya Bozuk"), true,
         kConverted},
        {"data.dat of 1 byte", bookWith({{"data.dat", "k"}}), nothing, true, kConverted},
        {"data.dat of 8 bytes", bookWith({{"data.dat", filler().left(8)}}), nothing, true,
         kConverted},
        {"data.dat of 1999 bytes", bookWith({{"data.dat", filler().left(1999)}}), nothing, true,
         kConverted},
        {"data.dat of 5000 bytes", bookWith({{"data.dat", filler().repeated(3).left(5000)}}),
         nothing, true, kConverted},
        // A length that is no digit is a set, empty password: the prompt asks for it.
        {"data.dat with a non-digit length", bookWith({{"data.dat", "#" + filler().mid(1)}}),
         nothing, true, kConverted},
        {"update.upd binary", bookWith({{"update.upd", QByteArray(300, '\x9c') + "\0\"x"}}),
         nothing, true, kConverted},
        {"update.upd of 1 MB", bookWith({{"update.upd", QByteArray(1 << 20, 'a')}}), nothing, true,
         kConverted},
        {"telefon.dat read-only", bookWith({}), nothing, true, kConverted, readOnly("telefon.dat")},
        {"bilgi.dat read-only and wrong", bookWith({{"bilgi.dat", "7,\"17\"\r\n"}}), nothing, true,
         kConverted, readOnly("bilgi.dat")},
        {"a folder named telefon.dat", bookWith({{"telefon.dat", kDir}}), says("Hata"), false,
         kConverted},
        {"a folder named bilgi.dat", bookWith({{"bilgi.dat", kDir}}), says("Hata"), false, kNoBook},
        {"leftovers of an interrupted write",
         bookWith({{".telefon.dat.0badf00d.new", kTwo.left(700)}, {"sil.txt", "x"}}),
         changes(".telefon.dat.0badf00d.new, sil.txt"), true, kConverted},
    };
}

// The case's folder, made afresh, with the message boxes forgotten.
class Folder {
public:
    explicit Folder(const Case& c) {
        for (const auto& [name, bytes] : c.files) {
            if (bytes == kDir) {
                QDir(dir_.path()).mkdir(name);
                continue;
            }
            QFile file(dir_.filePath(name));
            if (!bytes.isNull() && file.open(QIODevice::WriteOnly)) {
                file.write(bytes);
            }
        }
        if (c.alter) {
            c.alter(dir());
        }
        before_ = files();
        MessageBox::clearShown();
    }
    QDir dir() const { return QDir(dir_.path()); }
    std::filesystem::path path() const { return dir_.path().toStdString(); }

    Files files() const {
        Files now;
        for (const auto& name :
             dir().entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot)) {
            QFile file(dir_.filePath(name));
            now[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
        }
        return now;
    }

    // The files created, changed or removed since the folder was made.
    QStringList changes() const {
        const auto after = files();
        QStringList names;
        for (const auto& [name, bytes] : before_) {
            if (!after.count(name) || after.at(name) != bytes) {
                names << name;
            }
        }
        for (const auto& [name, bytes] : after) {
            if (!before_.count(name)) {
                names << name;
            }
        }
        names.sort();
        return names;
    }

private:
    QTemporaryDir dir_;
    Files before_;
};

QStringList titlesShown() {
    QStringList titles;
    for (const auto& shown : MessageBox::shown()) {
        titles << shown.title;
    }
    return titles;
}

} // namespace

class BrokenFoldersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }

    void telefon() {
        for (const auto& c : cases()) {
            Folder folder(c);
            marunda::telefon::Ana ana{marunda::RecordStore(folder.path())};
            ana.startUp();
            const Seen seen{titlesShown(), folder.changes()};
            QVERIFY2(seen == c.telefon, c.name);
            const bool refused = !seen.says.isEmpty() && seen.says.first() != "Hata";
            QVERIFY2(ana.hasEnded() == refused, c.name);
        }
    }

    // Zilora only reads: it greets from a book it can read, and hides without a word otherwise.
    void zilora() {
        for (const auto& c : cases()) {
            Folder folder(c);
            marunda::zilora::Pasta pasta(folder.path(), QDate(2026, 12, 7));
            pasta.load();
            QVERIFY2(titlesShown().isEmpty() && folder.changes().isEmpty(), c.name);
            QVERIFY2(pasta.isVisible() == c.zileraGreets, c.name);
        }
    }

    // The converter finds every one of these books converted already or unreadable, and so
    // changes nothing, but for the marker of a 1.7 book that lost it.
    void donusturucu() {
        QTemporaryDir dataHome;
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        // On Windows the system's own folder, shared with other tests: the log goes at the end.
        const auto windows = marunda::platform::windowsFolder();
        QVERIFY(windows);
        const QString logName =
            QString::fromStdU16String((windows.value() / "Marunda_16.log").u16string());
        const auto removeLog = qScopeGuard([&] { QFile::remove(logName); });
        for (const auto& c : cases()) {
            Folder folder(c);
            QFile log(logName);
            QVERIFY(log.open(QIODevice::WriteOnly));
            log.write("\"" + folder.dir().path().toLocal8Bit() + "\"\r\n");
            log.close();
            marunda::donusturucu::Form1 form1(folder.path());
            form1.convert();
            QVERIFY2((Seen{titlesShown(), folder.changes()} == c.donusturucu), c.name);
        }
    }

    // Kur removes the installation in each folder with a backup: every data file there is in
    // the backup, byte for byte, or (a folder in a data file's place) nothing is deleted.
    void kur() {
        QTemporaryDir home;
        for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
            qputenv(name, home.path().toLocal8Bit());
        }
        const auto windows = marunda::platform::windowsFolder().value();
        const auto backupPath = marunda::platform::desktopFolder().value() /
                                marunda::pathFromText(marunda::installer::kBackupFolder);
        QDir backup(QString::fromStdU16String(backupPath.u16string()));
        // On Windows the system's own desktop and folder, shared with other tests.
        const auto clear = qScopeGuard([&] {
            backup.removeRecursively();
            (void)marunda::installer::removeInstallationLog(windows);
        });
        for (const auto& c : cases()) {
            backup.removeRecursively(); // the copies of the case before, read-only ones too
            Folder folder(c);
            QVERIFY(marunda::installer::writeInstallationLog(windows,
                                                             folder.dir().path().toStdString()));
            const bool backupFails = std::ranges::count(std::views::values(c.files), kDir) > 0;
            MessageBox::setNextAnswer(true);
            marunda::kur::Form2().removeInstallation();
            const QString kurTitle = "Marunda 1.7 Kur";
            QVERIFY2(titlesShown() == QStringList({kurTitle, backupFails ? "Hata" : kurTitle}),
                     c.name);
            QVERIFY2(!backupFails || folder.changes().isEmpty(), c.name);
            for (const char* name : {"telefon.dat", "bilgi.dat", "data.dat"}) {
                const auto kept = c.files.find(name);
                if (backupFails || kept == c.files.end() || kept->second.isNull()) {
                    continue;
                }
                QFile copy(backup.filePath(name));
                QVERIFY2(copy.open(QIODevice::ReadOnly) && copy.readAll() == kept->second, c.name);
            }
        }
    }
};

QTEST_MAIN(BrokenFoldersTest)
#include "broken_folders_test.moc"

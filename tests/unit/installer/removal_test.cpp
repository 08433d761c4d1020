#include "installer_fixture.h"

#include "installer/backup.h"
#include "installer/held_files.h"
#ifdef __linux__
#include "own_mounts.h"
#endif

#include <chrono>
#include <ctime>

using namespace marunda::installer;
namespace fake = marunda::platform::fake;
namespace fs = std::filesystem;

namespace {

const fs::path kBackup = fs::path("desktop") / marunda::pathFromText("Marunda Kayıt Dosyaları");
const std::string kReadMeBytes = "Bu klas\xF6rdeki dosyalar\xFD kullanmak i\xE7in, Marunda "
                                 "program\xFDn\xFD kurduktan sonra program\xFDn oldu\xF0u "
                                 "klas\xF6re kopyalay\xFDn\r\n";

const std::string kLibrary = "libmarunda_ui" + std::string(kLibrarySuffix);

} // namespace

class RemovalTest : public InstallerTest {
protected:
    void SetUp() override {
        InstallerTest::SetUp();
        ASSERT_EQ(install().stop, InstallStop::none);
        for (const char* name : {"telefon.dat", "bilgi.dat", "update.upd", "sirali.tmp"}) {
            root.write(std::string("Telefon/") + name, std::string("book ") + name);
        }
        progress.clear();
    }

    void expectNothingOfOursLeft() const {
        EXPECT_TRUE(fake::state().groups.empty());
        EXPECT_TRUE(fake::state().desktopShortcuts.empty());
        EXPECT_TRUE(fake::state().logonEntries.empty());
        EXPECT_TRUE(fake::state().icons.empty());
        EXPECT_FALSE(root.exists("windows/Marunda_17.log"));
        EXPECT_TRUE(fs::exists(root / "windows" / uninstallerName()));
    }
};

TEST_F(RemovalTest, WithoutBackupRemovesTheFolderAndEveryEntry) {
    root.write("Telefon/.bilgi.dat.1a2b3c4d.new", "left by an interrupted write");
    const auto report = remove(false);
    EXPECT_EQ(report.stop, RemovalStop::none);
    EXPECT_TRUE(report.remaining.empty());
    EXPECT_TRUE(report.failed.empty());
    EXPECT_EQ(progress, (std::vector<int>{40, 60, 70, 80, 90, 100}));
    EXPECT_FALSE(root.exists("Telefon"));
    EXPECT_FALSE(root.exists("desktop"));
    expectNothingOfOursLeft();
    EXPECT_EQ(remove(false).stop, RemovalStop::noLog);
}

// "2026-12-09 14.03", local time, as the name of a kept backup shows it.
fs::file_time_type localTime(int year, int month, int day, int hour, int minute) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_isdst = -1;
    return std::chrono::file_clock::from_sys(
        std::chrono::system_clock::from_time_t(std::mktime(&fields)));
}

// An earlier backup that the copies would change is kept beside the new one under its date;
// one that holds the same bytes is reused, its copies and read-me written anew.
TEST_F(RemovalTest, BackupKeepsAnEarlierOneThatDiffers) {
    fs::create_directories(root / kBackup);
    root.write(kBackup / "telefon.dat", "old copy");
    root.write(kBackup / "data.dat", "old password");
    root.write(kBackup / "Beni Oku.txt", "old text");
    fs::last_write_time(root / kBackup / "telefon.dat", localTime(2026, 12, 9, 14, 3));
    fs::last_write_time(root / kBackup / "data.dat", localTime(2025, 1, 2, 3, 4));
    const std::string dated = "Marunda Kayıt Dosyaları (2026-12-09 14.03)";
    const fs::path kept = fs::path("desktop") / marunda::pathFromText(dated);

    const auto report = remove(true);
    ASSERT_EQ(report.stop, RemovalStop::none);
    EXPECT_EQ(report.earlierBackup, dated);
    EXPECT_EQ(root.read(kept / "telefon.dat"), "old copy");
    EXPECT_EQ(root.read(kept / "data.dat"), "old password");
    EXPECT_EQ(root.read(kept / "Beni Oku.txt"), "old text");
    EXPECT_EQ(root.read(kBackup / "telefon.dat"), "book telefon.dat");
    EXPECT_EQ(root.read(kBackup / "bilgi.dat"), "book bilgi.dat");
    EXPECT_EQ(root.read(kBackup / "Beni Oku.txt"), kReadMeBytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(root / kBackup), fs::directory_iterator()), 3);
    EXPECT_FALSE(root.exists("Telefon"));
    expectNothingOfOursLeft();

    ASSERT_EQ(install().stop, InstallStop::none);
    root.write("Telefon/telefon.dat", "book telefon.dat");
    root.write(kBackup / "Beni Oku.txt", "changed");
    EXPECT_EQ(remove(true).earlierBackup, "");
    EXPECT_EQ(root.read(kBackup / "Beni Oku.txt"), kReadMeBytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(root / "desktop"), fs::directory_iterator()), 2);
}

// Folders the user shares with the installation keep the user's files, and say so.
TEST_F(RemovalTest, ForeignFilesSurviveAndKeepTheFolder) {
    root.write("Telefon/mektup.txt", "the user's own");
    fs::create_directories(root / "Telefon/Resimler");
    const auto report = remove(false);
    EXPECT_EQ(report.stop, RemovalStop::none);
    EXPECT_EQ(report.folder, utf8(folder()));
    EXPECT_EQ(report.remaining, (std::vector<std::string>{"Resimler", "mektup.txt"}));
    EXPECT_EQ(root.read("Telefon/mektup.txt"), "the user's own");
    EXPECT_FALSE(root.exists("Telefon/telefon.dat"));
    EXPECT_FALSE(fs::exists(folder() / programName("Telefon")));
    expectNothingOfOursLeft();
}

// A backup that cannot be made, or a file that a running program holds, deletes nothing; a held
// program is named for the user to close.
TEST_F(RemovalTest, AStopBeforeDeletingDeletesNothing) {
    const struct {
        const char* what;
        std::function<void()> breakIt;
        bool backup;
        RemovalStop stop;
        std::string detail;
        std::string program;
    } cases[] = {
        {"a data file cannot be copied",
         [this] { fs::create_directories(root / kBackup / "bilgi.dat"); }, true,
         RemovalStop::backupFailed, utf8(folder() / "bilgi.dat"), ""},
        {"the read-me cannot be written",
         [this] { fs::create_directories(root / kBackup / "Beni Oku.txt"); }, true,
         RemovalStop::backupFailed, utf8(root / kBackup / "Beni Oku.txt"), ""},
        {"no backup folder", [this] { root.write("desktop", ""); }, true, RemovalStop::backupFailed,
         "", ""},
        {"the reminder runs, after the backup",
         [this] { fake::state().held = {folder() / programName("Zilora")}; }, true,
         RemovalStop::fileInUse, programName("Zilora"), "Selvira"},
        {"the converter runs",
         [this] { fake::state().held = {folder() / programName("Donusturucu")}; }, false,
         RemovalStop::fileInUse, programName("Donusturucu"), "Dorvex"},
        {"a library is held", [this] { fake::state().held = {folder() / kLibrary}; }, false,
         RemovalStop::fileInUse, kLibrary, ""},
        {"the book is held, the last file asked",
         [this] { fake::state().held = {folder() / "telefon.tmp"}; }, false, RemovalStop::fileInUse,
         "telefon.tmp", ""},
    };
    for (const auto& c : cases) {
        fs::remove_all(root / "desktop");
        fake::state().held.clear();
        c.breakIt();
        const auto report = remove(c.backup);
        EXPECT_EQ(report.stop, c.stop) << c.what;
        if (!c.detail.empty()) {
            EXPECT_EQ(report.detail, c.detail) << c.what;
            EXPECT_EQ(programOfFile(report.detail), c.program) << c.what;
        }
        if (c.stop == RemovalStop::fileInUse) {
            EXPECT_EQ(root.exists(kBackup / "telefon.dat"), c.backup) << c.what;
        }
        EXPECT_EQ(root.read("Telefon/telefon.dat"), "book telefon.dat") << c.what;
        EXPECT_TRUE(fs::exists(folder() / programName("Telefon"))) << c.what;
        EXPECT_TRUE(root.exists("windows/Marunda_17.log")) << c.what;
        EXPECT_EQ(fake::state().logonEntries.size(), 1u) << c.what;
        EXPECT_TRUE(progress.empty()) << c.what;
    }
}

// While anything is left, the log stays: the next removal finishes the job.
TEST_F(RemovalTest, LaterFailuresAreNamedAndTheNextRemovalFinishes) {
    fake::state().failing = {"removeProgramGroup", "removeLogonEntry", "removeIcon"};
    const auto report = remove(false);
    EXPECT_EQ(report.stop, RemovalStop::none);
    EXPECT_EQ(report.failed, (std::vector<LaterStep>{LaterStep::programGroup, LaterStep::logonEntry,
                                                     LaterStep::programIcons}));
    EXPECT_TRUE(root.exists("windows/Marunda_17.log"));
    EXPECT_EQ(fake::state().logonEntries.size(), 1u);

    fake::state().failing.clear();
    const auto again = remove(false);
    EXPECT_EQ(again.stop, RemovalStop::none);
    EXPECT_TRUE(again.failed.empty());
    expectNothingOfOursLeft();
}

#ifdef __linux__
// An emptied folder that cannot be removed (a mount point here, a folder in use elsewhere) is no
// foreign file, and no success: the log stays for the next removal.
TEST_F(RemovalTest, AFolderThatCannotGoKeepsTheLog) {
    const int result = ownmounts::inChild([this] {
        if (!ownmounts::ownMountPoint(folder())) {
            return ownmounts::kNotAllowed;
        }
        const auto report = remove(false);
        const bool named = report.failed == std::vector<LaterStep>{LaterStep::installationFolder};
        return report.remaining.empty() && named && root.exists("windows/Marunda_17.log") &&
                       !root.exists("Telefon/telefon.dat")
                   ? 0
                   : 1;
    });
    if (result == ownmounts::kNotAllowed) {
        GTEST_SKIP() << "no mounts of its own allowed here";
    }
    EXPECT_EQ(result, 0);
}
#endif

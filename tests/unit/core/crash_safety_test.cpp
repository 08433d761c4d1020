// Every operation that writes data, with each of its file-system calls failing in turn: once (a
// full disk, an I/O error), from then on (a crash the process survives) and by the process
// ending there (a kill). After the next start the folder holds the old state or the new one,
// file for file, and a reported result is the state that holds.
#include "converter/contact_record16.h"
#include "converter/conversion.h"
#include "core/book_edits.h"
#include "core/book_opening.h"
#include "core/contact_import.h"
#include "core/file_faults.h"
#include "core/file_name.h"
#include "core/listing.h"
#include "core/password_file.h"
#include "core/update_info.h"
#include "installer/backup.h"
#include "installer/installation.h"
#include "installer/installation_log.h"
#include "installer/medium.h"
#include "installer/removal.h"
#include "installer/shortcuts.h"
#ifdef _WIN32
#include "platform/fake/fake_platform.h"
#else
#include "platform/platform.h"
#endif
#include "temp_folder.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <vector>

using namespace marunda;
namespace fs = std::filesystem;

namespace {

ContactRecord person(const std::string& name) {
    ContactRecord record;
    record.setText(Field::name, name);
    return record;
}

using People = std::vector<std::string>;

std::string bookOf(const People& people) {
    std::string bytes;
    for (const auto& name : people) {
        bytes += person(name).bytes();
    }
    return bytes;
}

std::string counterBytes(int value) {
    return std::to_string(value) + ",\"17\"\r\n";
}

// data.dat with `password` set over the filler (none when empty).
std::string passwordFileWith(const std::string& password) {
    std::string bytes;
    while (bytes.size() < kPasswordFileSize) {
        bytes += kPasswordFiller;
    }
    if (!password.empty()) {
        bytes[0] = static_cast<char>('0' + password.size());
        for (std::size_t k = 0; k < password.size(); ++k) {
            bytes[9 + 20 * k] = password[k];
        }
    }
    return bytes;
}

struct Folder {
    TempFolder dir;
    RecordStore store{dir.path()};
};

struct Outcome {
    People people;
    std::string password;
};

// What the program runs when it starts next.
using Restart = std::function<bool(const RecordStore&)>;
bool telefonStart(const RecordStore& store) {
    return openBook(store).ok();
}
// Donusturucu again: it clears what it left itself, with no help from Telefon's start-up.
bool conversionAgain(const RecordStore& store) {
    return converter::convertBook(store.folder()).ok();
}

struct Operation {
    const char* name;
    std::function<void(const TempFolder&)> setUp;
    std::function<bool(const RecordStore&)> run; // true when it reported success
    Outcome before;
    Outcome after;
    Restart restart = telefonStart;
    // A file outside the program's data whose hidden temporary a crash may leave behind, for
    // the next write of that file to clear.
    const char* crashResidue = nullptr;
    // For Kur's operations, which keep no book: what is wrong with the folders before the next
    // start (empty when sound), in place of the book's checks.
    std::function<std::string(const TempFolder&, bool reported, bool crashed)> judge = {};
};

void threePeople(const TempFolder& dir, int counter, const std::string& password) {
    dir.write("telefon.dat", bookOf({"Ayşe", "Bora", "Cem"}));
    dir.write("bilgi.dat", counterBytes(counter));
    dir.write("data.dat", passwordFileWith(password));
}

const People kThree{"Ayşe", "Bora", "Cem"};

// A 1.6 book of `people`, its bilgi.dat holding only the counter.
void book16Of(const TempFolder& dir, const People& people) {
    std::string book16;
    for (const auto& name : people) {
        converter::ContactRecord16 record;
        record.setText(Field::name, name);
        book16 += record.bytes();
    }
    dir.write("telefon.dat", book16);
    dir.write("bilgi.dat", std::to_string(people.size() + 1) + "\r\n");
}

// Kur's world in one folder: the Windows folder, the desktop, the medium and the installation
// folder "Telefon" holding a private book. On Linux the system's own services work there, HOME
// and the XDG folders pointing into it, so that the files of the menu, the logon entry and the
// desktop shortcut are checked with the rest; Windows keeps its shell and registry elsewhere, and
// there the fake records them in memory.
const char* const kDataFiles[] = {"telefon.dat", "bilgi.dat", "data.dat"};
const fs::path kInstalled = "Telefon";
const fs::path kWindows = fs::path("data") / "Marunda";
const fs::path kLog = kWindows / installer::kLog17;
const fs::path kDesktop = "Desktop";
const fs::path kBackup = kDesktop / marunda::pathFromText(installer::kBackupFolder);
constexpr auto kBookMode = fs::perms::owner_read | fs::perms::owner_write;

std::string dataBytes(const std::string& name) {
    return name == "telefon.dat" ? bookOf(kThree)
           : name == "bilgi.dat" ? counterBytes(4)
                                 : passwordFileWith("abc");
}

void pointPlatformAt(const TempFolder& dir) {
#ifdef _WIN32
    platform::fake::reset();
    platform::fake::state().windowsFolder = dir / kWindows;
    platform::fake::state().desktopFolder = dir / kDesktop;
#else
    setenv("HOME", dir.path().c_str(), 1);
    setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
#endif
}

void kurWorld(const TempFolder& dir) {
    pointPlatformAt(dir);
    fs::create_directories(dir / kWindows);
    fs::create_directories(dir / kInstalled);
    for (const std::string name : kDataFiles) {
        dir.write(kInstalled / name, dataBytes(name));
        fs::permissions(dir / kInstalled / name, kBookMode);
    }
    fs::create_directories(dir / "medium");
    for (const auto& file : installer::installedFiles()) {
        dir.write(fs::path("medium") / file.source, "new " + file.destination);
    }
    for (const auto& file : installer::uninstallerRuntime()) {
        dir.write(fs::path("medium") / installer::runtimeSource(file), "new " + file);
    }
    for (const auto icon : installer::programIcons()) {
        for (const int size : installer::kThemeIconSizes) {
            dir.write(fs::path("medium") / installer::iconSource(icon, size), "new picture");
        }
    }
    dir.write("medium/Kur", "new Kur");
}

// An earlier installation in "Telefon", recorded in the log and in the system's entries.
void installedBook(const TempFolder& dir) {
    kurWorld(dir);
    for (const auto& file : installer::installedFiles()) {
        dir.write(kInstalled / file.destination, "old " + file.destination);
    }
    dir.write(kLog, "\"" + pathText(dir / kInstalled) + "\"\r\n");
    const fs::path folder = dir / kInstalled;
    ASSERT_TRUE(platform::createProgramGroup(installer::kGroup,
                                             installer::groupItems(folder, dir / kWindows)));
    ASSERT_TRUE(platform::setLogonEntry(installer::kLogonName, installer::reminderProgram(folder)));
    ASSERT_TRUE(platform::createDesktopShortcut(installer::desktopShortcut(folder)));
    ASSERT_TRUE(installer::installProgramIcons(dir / "medium"));
}

// A backup of another book on the desktop, from an earlier removal.
const std::string kEarlierBook = bookOf({"Eski"});
void installedBookBackedUpBefore(const TempFolder& dir) {
    installedBook(dir);
    dir.write(kBackup / "telefon.dat", kEarlierBook);
    fs::permissions(dir / kBackup / "telefon.dat", kBookMode);
    // Its date names it once it is kept aside: the same in every run.
    const std::chrono::sys_seconds day = std::chrono::sys_days(std::chrono::year(2026) / 12 / 9);
    fs::last_write_time(dir / kBackup / "telefon.dat", std::chrono::file_clock::from_sys(day));
}

// The removal of the menu fails until mended: a folder of the user's in the place of the menu
// file here, the fake's refusal on Windows.
void installedBookWithABrokenMenu(const TempFolder& dir) {
    installedBook(dir);
#ifdef _WIN32
    platform::fake::state().failing.insert("removeProgramGroup");
#else
    const fs::path menu = "config/menus/applications-merged/marunda.menu";
    fs::remove(dir / menu);
    dir.write(menu / "mine", "the user's");
#endif
}
void mendTheMenu(const fs::path& dir) {
#ifdef _WIN32
    (void)dir;
    platform::fake::state().failing.clear();
#else
    fs::remove_all(dir / "config/menus/applications-merged/marunda.menu");
#endif
}

// What of the installation is still there besides its log: its folder or one of its entries.
std::string installationLeft(const TempFolder& dir) {
    if (dir.exists(kInstalled)) {
        return "its folder";
    }
#ifdef _WIN32
    const auto& fake = platform::fake::state();
    return fake.groups.empty() && fake.logonEntries.empty() && fake.desktopShortcuts.empty()
               ? ""
               : "an entry";
#else
    for (const char* entry :
         {"config/menus/applications-merged/marunda.menu",
          "data/desktop-directories/marunda.directory", "data/applications/marunda-telefon.desktop",
          "data/applications/marunda-kaldir.desktop", "data/applications/marunda-zilora.desktop",
          "data/applications/marunda-donusturucu.desktop", "config/autostart/Zilora.desktop",
          "Desktop/Marunda.desktop"}) {
        if (dir.exists(entry)) {
            return entry;
        }
    }
    for (const auto icon : installer::programIcons()) {
        for (const int size : installer::kThemeIconSizes) {
            const auto picture = "data/icons/hicolor/" + std::to_string(size) + "x" +
                                 std::to_string(size) + "/apps/" + std::string(icon) + ".png";
            if (dir.exists(picture)) {
                return picture;
            }
        }
    }
    return {};
#endif
}

// Every data file of the book whole, in its folder or in the backup; the backup's copies that
// hold anything no more open than the book (Windows keeps no such bits).
std::string dataLost(const TempFolder& dir) {
    for (const std::string name : kDataFiles) {
        if (dir.read(kInstalled / name) != dataBytes(name) &&
            dir.read(kBackup / name) != dataBytes(name)) {
            return name + " is lost";
        }
#ifndef _WIN32
        std::error_code error;
        const auto copy = fs::status(dir / kBackup / name, error).permissions();
        if (!error && !fs::is_empty(dir / kBackup / name) &&
            (copy & ~kBookMode) != fs::perms::none) {
            return "the backup of " + name + " is more open than the book";
        }
#endif
    }
    return {};
}

void noProgress(int) {}
installer::InstallReport lastInstall;
installer::RemovalReport lastRemoval;

bool installIntoTelefon(const RecordStore& s) {
    const auto medium = s.folder() / "medium";
    const installer::InstallEvents yesToAll{[] {}, [] { return true; }, noProgress};
    lastInstall =
        installer::install({medium, medium / "Kur", pathText(s.folder() / kInstalled)}, yesToAll);
    return lastInstall.stop == installer::InstallStop::none;
}

std::string installJudged(const TempFolder& dir, bool reported, bool crashed) {
    const bool logged = dir.exists(kLog);
    for (const auto& file : installer::installedFiles()) {
        if (dir.read(kInstalled / file.destination) != "new " + file.destination &&
            (logged || reported)) {
            return (logged ? "logged, " : "success reported, ") + file.destination +
                   " not installed";
        }
    }
    if (auto lost = dataLost(dir); !lost.empty() || crashed) {
        return lost;
    }
    if (lastInstall.stop == installer::InstallStop::logNotWritten && logged) {
        return "a log reported unwritten is there";
    }
    return reported && !logged ? "success reported, no log" : "";
}

bool removeWithBackup(const RecordStore&) {
    lastRemoval = installer::removeInstallation(true, noProgress);
    return lastRemoval.stop == installer::RemovalStop::none;
}
// Once removed, the uninstaller finds nothing installed.
bool removeAgain(const RecordStore& s) {
    return removeWithBackup(s) || lastRemoval.stop == installer::RemovalStop::noLog;
}
// The user mends the menu and runs the removal again.
bool removeAgainMended(const RecordStore& s) {
    mendTheMenu(s.folder());
    return removeAgain(s);
}

// The log is the old one or the new one, whole, as reported.
const std::string kOldLog = "\"C:\\Eski\"\r\n";
const std::string kNewLog = "\"C:\\Yeni\"\r\n";
std::string logJudged(const TempFolder& dir, bool reported, bool crashed) {
    const auto log = dir.read(kLog);
    if (log != kOldLog && log != kNewLog) {
        return "the log is torn or missing";
    }
    return !crashed && reported != (log == kNewLog) ? "the log is not as reported" : "";
}

std::string removalJudged(const TempFolder& dir, bool, bool crashed) {
    const bool logged = dir.exists(kLog);
    if (auto left = installationLeft(dir); !left.empty() && !logged) {
        return "the log went while " + left + " stays";
    }
    if (auto lost = dataLost(dir); !lost.empty() || crashed) {
        return lost;
    }
    using installer::RemovalStop;
    switch (lastRemoval.stop) {
    case RemovalStop::none: {
        const bool logFailed =
            std::ranges::count(lastRemoval.failed, installer::LaterStep::installationLog) > 0;
        const bool finished = lastRemoval.failed.size() == (logFailed ? 1u : 0u);
        return !finished                ? ""
               : dir.exists(kInstalled) ? "success reported, the folder stays"
               : logged != logFailed    ? "the log's removal is misreported"
                                        : "";
    }
    case RemovalStop::backupFailed:
        for (const auto& file : installer::installedFiles()) {
            if (!dir.exists(kInstalled / file.destination)) {
                return "a failed backup deleted " + file.destination;
            }
        }
        return logged ? "" : "a failed backup deleted the log";
    case RemovalStop::deleteFailed: {
        // A name of the book's scratch files may have been missing all along.
        const std::string& name = lastRemoval.detail;
        const bool wasThere = std::ranges::count(kDataFiles, name) > 0 ||
                              std::ranges::any_of(installer::installedFiles(), [&](const auto& f) {
                                  return f.destination == name;
                              });
        return wasThere && !dir.exists(kInstalled / name) ? "the file named undeleted is gone" : "";
    }
    default:
        return "an unexpected stop";
    }
}

// The earlier backup whole, where it was or kept aside beside it, and said so.
std::string removalOverBackupJudged(const TempFolder& dir, bool reported, bool crashed) {
    bool kept = dir.read(kBackup / "telefon.dat") == kEarlierBook;
    for (const auto& entry : fs::directory_iterator(dir / kDesktop)) {
        const auto name = pathText(entry.path().filename());
        if (name.starts_with(std::string(installer::kBackupFolder) + " (") &&
            dir.read(entry.path() / "telefon.dat") == kEarlierBook) {
            kept = true;
            if (!crashed && reported && lastRemoval.earlierBackup != name) {
                return "the earlier backup was kept aside unsaid";
            }
        }
    }
    return kept ? removalJudged(dir, reported, crashed) : "the earlier backup is lost";
}

std::vector<Operation> operations() {
    const auto book = [](const std::string& password, int counter = 4) {
        return [=](const TempFolder& dir) {
            threePeople(dir, counter, password);
        };
    };
    return {
        {"set password",
         book(""),
         [](const RecordStore& s) { return PasswordFile(s.folder()).writePassword("ab").ok(); },
         {kThree, ""},
         {kThree, "ab"}},
        {"change password",
         book("eski1234"),
         [](const RecordStore& s) { return PasswordFile(s.folder()).writePassword("ab").ok(); },
         {kThree, "eski1234"},
         {kThree, "ab"}},
        {"remove password",
         book("abc"),
         [](const RecordStore& s) { return PasswordFile(s.folder()).clearPassword().ok(); },
         {kThree, "abc"},
         {kThree, ""}},
        {"first-run creation",
         [](const TempFolder&) {},
         [](const RecordStore& s) { return openBook(s).ok(); },
         {{}, ""},
         {{}, ""}},
        {"recreated counter",
         [](const TempFolder& dir) {
             threePeople(dir, 4, "abc");
             std::filesystem::remove(dir / "bilgi.dat");
         },
         [](const RecordStore& s) { return openBook(s).ok(); },
         {kThree, "abc"},
         {kThree, "abc"}},
        {"start-up repair",
         [](const TempFolder& dir) {
             threePeople(dir, 2, "abc");
             dir.write("telefon.dat", bookOf(kThree) + "Deniz");
         },
         [](const RecordStore& s) { return openBook(s).ok(); },
         {{"Ayşe", "Bora", "Cem", "Deniz"}, "abc"},
         {{"Ayşe", "Bora", "Cem", "Deniz"}, "abc"}},
        // The start-up cannot complete the torn record; the save must not land on it.
        {"new record after a failed repair",
         [](const TempFolder& dir) {
             threePeople(dir, 5, "abc");
             dir.write("telefon.dat", bookOf(kThree) + "Deniz");
         },
         [](const RecordStore& s) {
             (void)openBook(s);
             return appendRecord(s, person("Emre")).ok();
         },
         {{"Ayşe", "Bora", "Cem", "Deniz"}, "abc"},
         {{"Ayşe", "Bora", "Cem", "Deniz", "Emre"}, "abc"}},
        {"new record",
         book("abc"),
         [](const RecordStore& s) { return appendRecord(s, person("Deniz")).ok(); },
         {kThree, "abc"},
         {{"Ayşe", "Bora", "Cem", "Deniz"}, "abc"}},
        {"new record after a stale counter",
         book("abc", 2),
         [](const RecordStore& s) { return appendRecord(s, person("Deniz")).ok(); },
         {kThree, "abc"},
         {{"Ayşe", "Bora", "Cem", "Deniz"}, "abc"}},
        {"vCard import of two contacts",
         book("abc"),
         [](const RecordStore& s) {
             const ContactRecord added[] = {person("Deniz"), person("Ece")};
             return addContacts(s, added).ok();
         },
         {kThree, "abc"},
         {{"Ayşe", "Bora", "Cem", "Deniz", "Ece"}, "abc"}},
        {"modify",
         book("abc"),
         [](const RecordStore& s) {
             return rewriteRecord(s, 2, person("Bora"), person("Berk")).ok();
         },
         {kThree, "abc"},
         {{"Ayşe", "Berk", "Cem"}, "abc"}},
        {"delete",
         book("abc"),
         [](const RecordStore& s) { return deletePage(s, 2).ok(); },
         {kThree, "abc"},
         {{"Ayşe", "Cem"}, "abc"}},
        {"listing",
         book("abc"),
         [](const RecordStore& s) {
             return writeListing(s, {1, 3}, ListingColumns::all(), s.file("liste.txt")).ok();
         },
         {kThree, "abc"},
         {kThree, "abc"},
         telefonStart,
         "liste.txt"},
        {"update.upd",
         book("abc"),
         [](const RecordStore& s) {
             return acceptUpdateResponse(s.folder(), 200, "\"1.8\",\"01/02/2027\",\"Yeni\"\r\n")
                 .ok();
         },
         {kThree, "abc"},
         {kThree, "abc"}},
        {"conversion of a 1.6 book",
         [](const TempFolder& dir) {
             book16Of(dir, kThree);
             dir.write("data.dat", passwordFileWith("abc"));
         },
         [](const RecordStore& s) { return converter::convertBook(s.folder()).ok(); },
         {kThree, "abc"},
         {kThree, "abc"},
         conversionAgain},
        // data.dat is made as a first run makes it.
        {"conversion of a 1.6 book without data.dat",
         [](const TempFolder& dir) { book16Of(dir, kThree); },
         [](const RecordStore& s) { return converter::convertBook(s.folder()).ok(); },
         {kThree, ""},
         {kThree, ""},
         conversionAgain},
        {"Kur: installation log",
         [](const TempFolder& dir) {
             kurWorld(dir);
             dir.write(kLog, kOldLog);
         },
         [](const RecordStore& s) {
             return installer::writeInstallationLog(s.folder() / kWindows, "C:\\Yeni").ok();
         },
         {},
         {},
         [](const RecordStore& s) {
             return installer::readInstallationLog(s.folder() / kWindows).ok();
         },
         installer::kLog17.data(),
         logJudged},
        // Into a folder that already holds a book, as the backup's read-me advises.
        {"Kur: installation",
         kurWorld,
         installIntoTelefon,
         {},
         {},
         installIntoTelefon,
         nullptr,
         installJudged},
        // The next start of the uninstaller is the removal once more.
        {"Kur: removal with backup",
         installedBook,
         removeWithBackup,
         {},
         {},
         removeAgain,
         nullptr,
         removalJudged},
        {"Kur: removal over an earlier backup",
         installedBookBackedUpBefore,
         removeWithBackup,
         {},
         {},
         removeAgain,
         nullptr,
         removalOverBackupJudged},
        // The removal tells of the menu, keeps the log, and the next run finishes the job.
        {"Kur: removal whose menu step fails, then again",
         installedBookWithABrokenMenu,
         removeWithBackup,
         {},
         {},
         removeAgainMended,
         nullptr,
         removalJudged},
    };
}

People peopleIn(const RecordStore& store) {
    People people;
    const auto book = store.readBook().valueOr({});
    for (int page = 1; page <= book.pageCount(); ++page) {
        auto name = book.record(page).text(Field::name);
        name.erase(name.find_last_not_of(' ') + 1);
        people.push_back(name);
    }
    return people;
}

// Every file and folder under the folder with its bytes, but a residue that `op` may leave. The
// folder's own name, which Kur's log holds, reads as "<root>".
using Snapshot = std::map<std::string, std::string>;
bool isResidue(const Operation& op, const fs::path& file) {
    return op.crashResidue &&
           file.filename().string().starts_with("." + std::string(op.crashResidue) + ".");
}
Snapshot snapshotOf(const TempFolder& dir, const Operation& op) {
    const std::string root = pathText(dir.path());
    Snapshot files;
    for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
        const auto name = entry.path().lexically_relative(dir.path());
        if (entry.is_directory()) {
            files[name.generic_string()] = "<folder>";
        } else if (!isResidue(op, name)) {
            auto bytes = dir.read(name);
            for (auto at = bytes.find(root); at != std::string::npos; at = bytes.find(root, at)) {
                bytes.replace(at, root.size(), "<root>");
            }
            files[name.generic_string()] = bytes;
        }
    }
    return files;
}

// The next write of the file clears what a crash left of it.
std::string residueLeftAfterRerun(const Folder& folder, const Operation& op) {
    if (!op.crashResidue) {
        return {};
    }
    op.run(folder.store);
    for (const auto& entry : fs::recursive_directory_iterator(folder.dir.path())) {
        if (isResidue(op, entry.path())) {
            return "the next write leaves the residue of a crash";
        }
    }
    return {};
}

// The folder after the next start, without the operation and after it ran undisturbed.
struct Ends {
    Snapshot old;
    Snapshot done;
    int calls = 0;
};
Ends endsOf(const Operation& op) {
    Ends ends;
    {
        Folder folder;
        op.setUp(folder.dir);
        EXPECT_TRUE(op.restart(folder.store)) << op.name;
        ends.old = snapshotOf(folder.dir, op);
    }
    Folder folder;
    op.setUp(folder.dir);
    file_faults::arm(0, file_faults::Kind::once);
    EXPECT_TRUE(op.run(folder.store)) << op.name;
    ends.calls = file_faults::counted();
    file_faults::disarm();
    EXPECT_TRUE(op.restart(folder.store)) << op.name;
    ends.done = snapshotOf(folder.dir, op);
    return ends;
}

// Runs the operation with call n failing as `kind`; true when it reported success. A process
// end is real: the operation runs in a child process that the seam ends at call n.
bool runWithFault(const Operation& op, const Folder& folder, int n, file_faults::Kind kind) {
#ifndef _WIN32
    if (kind == file_faults::Kind::processEnd) {
        const pid_t child = fork();
        if (child == 0) {
            file_faults::arm(n, kind);
            op.run(folder.store);
            std::_Exit(0); // the call was never reached: fail the check below
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_EQ(WEXITSTATUS(status), file_faults::kEndedExitCode) << op.name << ", call " << n;
        return false;
    }
#endif
    file_faults::arm(n, kind);
    const bool reported = op.run(folder.store);
    file_faults::disarm();
    return reported;
}

// The book after the next start: the old state or the new, as reported, counter included.
std::string bookFault(const Folder& folder, const Operation& op, bool reported, bool crashed) {
    const Outcome now{peopleIn(folder.store),
                      PasswordFile(folder.dir.path()).readPassword().valueOr("<unreadable>")};
    const bool isOld = now.people == op.before.people && now.password == op.before.password;
    const bool isNew = now.people == op.after.people && now.password == op.after.password;
    if (!isOld && !isNew) {
        return "neither the old state nor the new";
    }
    if (!crashed && (reported ? !isNew : !isOld)) {
        return reported ? "success reported, change missing" : "failure reported, change kept";
    }
    if (folder.store.readNextPage().valueOr(-1) != static_cast<int>(now.people.size()) + 1) {
        return "counter is not records + 1";
    }
    return {};
}

// Empty when the folder is sound after the next start; otherwise what is wrong.
std::string faultAfterRestart(const Folder& folder, const Operation& op, const Ends& ends,
                              bool reported, bool crashed) {
    if (op.judge) {
        if (auto fault = op.judge(folder.dir, reported, crashed); !fault.empty()) {
            return fault;
        }
    }
    if (!op.restart(folder.store)) {
        return "the next start fails";
    }
    if (!op.judge) {
        if (auto fault = bookFault(folder, op, reported, crashed); !fault.empty()) {
            return fault;
        }
    }
    const auto files = snapshotOf(folder.dir, op);
    if (files != ends.old && files != ends.done) {
        return "the files are neither the old set nor the new (a mix, or leftovers)";
    }
    if (!crashed && files != (reported ? ends.done : ends.old)) {
        return "the files do not match what was reported";
    }
    return crashed ? residueLeftAfterRerun(folder, op) : std::string();
}

// A row's name as a test's: its place in the table and its words.
std::string rowName(const testing::TestParamInfo<std::size_t>& row) {
    std::string name = (row.param < 10 ? "0" : "") + std::to_string(row.param) + "_";
    for (const char c : std::string(operations()[row.param].name)) {
        const bool plain =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        name += plain ? c : '_';
    }
    return name;
}

} // namespace

// One test per row, so that the rows run side by side and a slow one shows by name.
class CrashSafety : public testing::TestWithParam<std::size_t> {};

TEST_P(CrashSafety, SurvivesAFailureAtEveryFileCall) {
    using file_faults::Kind;
    std::vector<Kind> kinds{Kind::once, Kind::fromThenOn};
#ifndef _WIN32
    kinds.push_back(Kind::processEnd);
#endif
    std::map<Kind, int> tried;
    int broken = 0;
    {
        const auto op = operations()[GetParam()];
        const auto ends = endsOf(op);
        for (int n = 1; n <= ends.calls; ++n) {
            for (auto kind : kinds) {
                Folder folder;
                op.setUp(folder.dir);
                const bool reported = runWithFault(op, folder, n, kind);
                const auto fault =
                    faultAfterRestart(folder, op, ends, reported, kind != Kind::once);
                ++tried[kind];
                if (!fault.empty()) {
                    ++broken;
                    ADD_FAILURE() << op.name << ", call " << n << " of " << ends.calls
                                  << (kind == Kind::once         ? " fails"
                                      : kind == Kind::fromThenOn ? ", crash"
                                                                 : ", process ended")
                                  << ": " << fault;
                }
            }
        }
    }
    std::cout << operations()[GetParam()].name << ": fault points tried: " << tried[Kind::once]
              << " failing once, " << tried[Kind::fromThenOn] << " crashes, "
              << tried[Kind::processEnd] << " process ends; " << broken << " broke the book\n";
}

INSTANTIATE_TEST_SUITE_P(EveryOperation, CrashSafety,
                         testing::Range<std::size_t>(0, operations().size()), rowName);

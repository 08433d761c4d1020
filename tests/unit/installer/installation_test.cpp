#include "installer_fixture.h"

#include "../converter/converter_test_support.h"
#include "core/delimited_text.h"
#include "installer/installation_log.h"
#ifdef __linux__
#include "own_mounts.h"
#endif

#include <fstream>
#include <functional>
#include <iterator>
#include <tuple>

using namespace marunda::installer;
namespace fake = marunda::platform::fake;
namespace fs = std::filesystem;

namespace {

// Windows has no executable bit: there every file passes.
bool executable(const fs::path& file) {
#ifdef _WIN32
    (void)file;
    return true;
#else
    return (fs::status(file).permissions() & fs::perms::others_exec) != fs::perms::none;
#endif
}

const std::string kTelefon = programName("Telefon");
const std::string kZilora = programName("Zilora");

} // namespace

TEST_F(InstallerTest, FreshInstallPutsEverythingInPlace) {
    const auto report = install();
    ASSERT_EQ(report.stop, InstallStop::none) << report.detail;
    EXPECT_TRUE(report.failed.empty());
    EXPECT_EQ(progress, (std::vector<int>{10, 20, 30, 40, 45, 47, 50, 60, 65, 70, 90, 100}));

    for (const auto& file : installedFiles()) {
        EXPECT_EQ(root.read("Telefon/" + file.destination), "contents of " + file.source);
        EXPECT_TRUE(executable(folder() / file.destination) || !file.program) << file.destination;
    }
    EXPECT_EQ(windowsFile(uninstallerName()), "contents of Kur");
    EXPECT_TRUE(executable(root / "windows" / uninstallerName()));
    EXPECT_EQ(windowsFile("Marunda_17.log"), "\"" + utf8(folder()) + "\"\r\n");
    EXPECT_EQ(conversionNotices, 0);

    const auto& state = fake::state();
    const auto items = state.groups.at("Marunda");
    ASSERT_EQ(items.size(), 4u);
    const std::vector<std::tuple<std::string, fs::path, std::string_view>> expected{
        {"Marunda", folder() / kTelefon, kTelefonIcon},
        {"Programı Kaldır", root / "windows" / uninstallerName(), kKurIcon},
        {"Selvira", folder() / kZilora, kZiloraIcon},
        {"Dorvex", folder() / programName("Donusturucu"), kDonusturucuIcon}};
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].caption, std::get<0>(expected[i]));
        EXPECT_EQ(items[i].target, std::get<1>(expected[i]));
        // Its icon is given, with a picture from the medium at each size the system takes.
        const auto& pictures = state.icons.at(std::string(std::get<2>(expected[i])));
        EXPECT_EQ(items[i].themeIcon, std::get<2>(expected[i]));
        ASSERT_EQ(pictures.size(), kThemeIconSizes.size());
        for (std::size_t k = 0; k < pictures.size(); ++k) {
            EXPECT_EQ(pictures[k].size, kThemeIconSizes[k]);
            EXPECT_TRUE(fs::is_regular_file(pictures[k].file)) << pictures[k].file;
        }
    }
    EXPECT_EQ(state.desktopShortcuts.at("Marunda").target, folder() / kTelefon);
    EXPECT_EQ(state.desktopShortcuts.at("Marunda").themeIcon, kTelefonIcon);
    EXPECT_EQ(state.logonEntries.at("Zilora"), folder() / kZilora);
    EXPECT_EQ(state.started, std::vector<fs::path>{folder() / kZilora});
}

// Each file the medium must hold, missing in turn: nothing is done at all.
TEST_F(InstallerTest, MissingSourceStopsBeforeAnything) {
    for (const auto& source : requiredSources()) {
        fs::rename(root / "medium" / source, root / "aside");
        const auto report = install();
        EXPECT_EQ(report.stop, InstallStop::missingSources);
        EXPECT_EQ(report.detail, source);
        EXPECT_FALSE(root.exists("Telefon"));
        EXPECT_FALSE(root.exists("windows/Marunda_17.log"));
        fs::rename(root / "aside", root / "medium" / source);
    }
    EXPECT_TRUE(fake::state().groups.empty());
}

// Folders that cannot be installed into: nothing is written, and the stop says why.
TEST_F(InstallerTest, UnusableTargetStopsBeforeTheLog) {
    root.write("a file", "");
    const struct {
        std::string folder;
        bool answer;
        InstallStop stop;
        WriteCause cause;
    } cases[] = {
        {utf8(folder("no parent/Telefon")), true, InstallStop::folderNotCreated,
         WriteCause::missingParent},
        {utf8(folder()), false, InstallStop::declined, WriteCause::unknown},
        {utf8(folder("a file")), true, InstallStop::unusableFolder, WriteCause::unknown},
        {"relative/Telefon", true, InstallStop::unusableFolder, WriteCause::unknown},
        {utf8(folder("雪")), true, InstallStop::nameNotInCodePage, WriteCause::unknown},
    };
    for (const auto& c : cases) {
        const auto report = marunda::installer::install(
            {root / "medium", root / "medium/Kur", c.folder}, {[] {}, [&] { return c.answer; },
                                                               [](int) {
                                                               }});
        EXPECT_EQ(report.stop, c.stop) << c.folder;
        EXPECT_EQ(report.cause, c.cause) << c.folder;
    }
    EXPECT_FALSE(root.exists("no parent"));
    EXPECT_FALSE(root.exists("Telefon"));
    EXPECT_FALSE(root.exists("windows/Marunda_17.log"));
}

TEST_F(InstallerTest, FolderNamesWithCommasBlanksAndTurkishLetters) {
    for (const std::string name : {"Ali, Veli", "Çağrı Şükrü Öğün İnce"}) {
        ASSERT_EQ(install(name).stop, InstallStop::none) << name;
        EXPECT_EQ(readInstallationLog(root / "windows").value(), utf8(folder(name)));
        EXPECT_EQ(fake::state().logonEntries.at("Zilora"), folder(name) / kZilora);
        EXPECT_TRUE(fs::exists(folder(name) / kTelefon));
    }
}

// A running program keeps the file it was started from; the folder gets the new one.
TEST_F(InstallerTest, ReinstallReplacesFilesOfARunningInstallation) {
    ASSERT_EQ(install().stop, InstallStop::none);
    root.write("Telefon/telefon.dat", "the book");
#ifndef _WIN32 // there a running program's file cannot be replaced: Kur asks to close it first
    std::ifstream running(folder() / kZilora, std::ios::binary);
#endif
    root.write("medium/dosya2.dat", "new Zilora");
    progress.clear();

    ASSERT_EQ(install().stop, InstallStop::none);
    EXPECT_EQ(progress.front(), 20);
    EXPECT_EQ(root.read("Telefon/" + kZilora), "new Zilora");
    EXPECT_TRUE(executable(folder() / kZilora));
#ifndef _WIN32
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(running), {}), "contents of dosya2.dat");
#endif
    EXPECT_EQ(root.read("Telefon/telefon.dat"), "the book");
}

// A copy that fails stops before the log: the log of the installation there was stays.
TEST_F(InstallerTest, FailedCopyStopsAndLaterFailuresAreNamed) {
    ASSERT_EQ(install("Eski").stop, InstallStop::none);
    const std::string log = windowsFile("Marunda_17.log");
    fake::state().groups.clear();
    const struct {
        const char* what;
        std::function<void()> breakIt;
        WriteCause cause;
    } cases[] = {
        {"a folder in its place", [this] { fs::create_directories(root / "Telefon/Zilora.wav"); },
         WriteCause::unknown},
        {"a write-protected file",
         [this] {
             root.write("Telefon/Zilora.wav", "old");
             fs::permissions(root / "Telefon/Zilora.wav", fs::perms::owner_read);
         },
         WriteCause::notPermitted},
    };
    for (const auto& c : cases) {
        fs::remove_all(root / "Telefon");
        fs::create_directories(root / "Telefon");
        c.breakIt();
        const auto report = install();
        EXPECT_EQ(report.stop, InstallStop::copyFailed) << c.what;
        EXPECT_EQ(report.detail, "Zilora.wav") << c.what;
        EXPECT_EQ(report.cause, c.cause) << c.what;
        EXPECT_EQ(windowsFile("Marunda_17.log"), log) << c.what;
        EXPECT_TRUE(fake::state().groups.empty()) << c.what;
        EXPECT_EQ(fake::state().started.size(), 1u) << c.what;
        fs::permissions(root / "Telefon/Zilora.wav", fs::perms::owner_all);
    }

    fs::remove_all(root / "Telefon/Zilora.wav");
    fake::state().failing = {"installIcon", "createProgramGroup", "setLogonEntry",
                             "createDesktopShortcut", "startDetached"};
    const auto report = install();
    EXPECT_EQ(report.stop, InstallStop::none);
    EXPECT_EQ(report.failed,
              (std::vector<LaterStep>{LaterStep::programIcons, LaterStep::programGroup,
                                      LaterStep::logonEntry, LaterStep::desktopShortcut,
                                      LaterStep::startReminder}));
    EXPECT_EQ(readInstallationLog(root / "windows").value(), utf8(folder()));
}

#ifdef __linux__
// Volumes that refuse, for real: the stop names the cause, not a program in use. A Windows folder
// that may not be written stops Kur before it makes anything.
TEST_F(InstallerTest, VolumesThatRefuseAreNamedAsSuch) {
    root.write("medium/dosya1.dat", std::string(256 * 1024, 'x'));
    const struct {
        const char* what;
        std::function<bool()> mountIt;
        InstallStop stop;
        WriteCause cause;
        bool targetThere;
    } cases[] = {
        {"a read-only Windows folder", [this] { return ownmounts::readOnly(root / "windows"); },
         InstallStop::windowsFolderReadOnly, WriteCause::unknown, false},
        {"a read-only parent", [this] { return ownmounts::readOnly(root / "medium"); },
         InstallStop::folderNotCreated, WriteCause::notPermitted, false},
        {"a read-only folder",
         [this] {
             fs::create_directories(folder("medium/Telefon"));
             return ownmounts::readOnly(root / "medium");
         },
         InstallStop::copyFailed, WriteCause::notPermitted, true},
        {"a full volume", [this] { return ownmounts::smallVolume(folder("medium/Telefon"), 64); },
         InstallStop::copyFailed, WriteCause::noSpace, true},
    };
    for (const auto& c : cases) {
        const int result = ownmounts::inChild([&] {
            if (!c.mountIt()) {
                return ownmounts::kNotAllowed;
            }
            const auto report = install("medium/Telefon");
            return int(report.stop) * 10 + int(report.cause);
        });
        if (result == ownmounts::kNotAllowed) {
            GTEST_SKIP() << "no mounts of its own allowed here";
        }
        EXPECT_EQ(result, int(c.stop) * 10 + int(c.cause)) << c.what;
        EXPECT_FALSE(root.exists("windows/Marunda_17.log")) << c.what;
        EXPECT_EQ(fs::exists(folder("medium/Telefon")), c.targetThere) << c.what;
    }
    EXPECT_TRUE(fs::is_empty(root / "windows"));
}
#endif

// The 1.6 book is converted once, before the target is looked at, and its log goes.
TEST_F(InstallerTest, ConvertsAnOldInstallationOnce) {
    Installation16 old;
    old.files(marunda::delimitedLine({"4"}), book16(1, 3));
    fs::copy_file(old.windows / std::string(marunda::converter::kLog16),
                  root / "windows" / std::string(marunda::converter::kLog16));

    const auto declined =
        marunda::installer::install({root / "medium", root / "medium" / kur(), utf8(folder())},
                                    {[this] { ++conversionNotices; }, [] { return false; },
                                     [](int) {
                                     }});
    EXPECT_EQ(declined.stop, InstallStop::declined);
    EXPECT_EQ(conversionNotices, 1);
    EXPECT_EQ(old.book.read("telefon.dat"), book17(1, 3));
    EXPECT_FALSE(root.exists("windows/Marunda_16.log"));

    // A log put back by hand finds the book converted already.
    fs::copy_file(old.windows / std::string(marunda::converter::kLog16),
                  root / "windows" / std::string(marunda::converter::kLog16));
    ASSERT_EQ(install().stop, InstallStop::none);
    EXPECT_EQ(conversionNotices, 1);
    EXPECT_EQ(old.book.read("telefon.dat"), book17(1, 3));
}

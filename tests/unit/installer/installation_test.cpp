#include "installer_fixture.h"

#include "../converter/converter_test_support.h"
#include "common/delimited_text.h"
#include "installer/installation_log.h"

#include <fstream>
#include <iterator>

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
    const std::vector<std::pair<std::string, fs::path>> expected{
        {"Marunda", folder() / kTelefon},
        {"Programı Kaldır", root / "windows" / uninstallerName()},
        {"Selvira", folder() / kZilora},
        {"Dorvex", folder() / programName("Donusturucu")}};
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].caption, expected[i].first);
        EXPECT_EQ(items[i].target, expected[i].second);
    }
    EXPECT_EQ(state.desktopShortcuts.at("Marunda").target, folder() / kTelefon);
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

// Folders that cannot be installed into: nothing is written.
TEST_F(InstallerTest, UnusableTargetStopsBeforeTheLog) {
    root.write("a file", "");
    const struct {
        std::string folder;
        bool answer;
        InstallStop stop;
    } cases[] = {
        {utf8(folder("no parent/Telefon")), true, InstallStop::folderNotCreated},
        {utf8(folder()), false, InstallStop::declined},
        {utf8(folder("a file")), true, InstallStop::unusableFolder},
        {"relative/Telefon", true, InstallStop::unusableFolder},
        {utf8(folder("雪")), true, InstallStop::unusableFolder},
    };
    for (const auto& c : cases) {
        const auto report = marunda::installer::install(
            {root / "medium", root / "medium/Kur", c.folder}, {[] {}, [&] { return c.answer; },
                                                               [](int) {
                                                               }});
        EXPECT_EQ(report.stop, c.stop) << c.folder;
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

TEST_F(InstallerTest, FailedCopyStopsAndLaterFailuresAreNamed) {
    fs::create_directories(root / "Telefon/Zilora.wav");
    auto report = install();
    EXPECT_EQ(report.stop, InstallStop::copyFailed);
    EXPECT_EQ(report.detail, "Zilora.wav");
    EXPECT_TRUE(fake::state().groups.empty());
    EXPECT_TRUE(fake::state().started.empty());

    fs::remove(root / "Telefon/Zilora.wav");
    fake::state().failing = {"createProgramGroup", "setLogonEntry", "createDesktopShortcut",
                             "startDetached"};
    report = install();
    EXPECT_EQ(report.stop, InstallStop::none);
    EXPECT_EQ(report.failed,
              (std::vector<LaterStep>{LaterStep::programGroup, LaterStep::logonEntry,
                                      LaterStep::desktopShortcut, LaterStep::startReminder}));
}

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

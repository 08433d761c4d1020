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

bool executable(const fs::path& file) {
    return (fs::status(file).permissions() & fs::perms::others_exec) != fs::perms::none;
}

} // namespace

TEST_F(InstallerTest, FreshInstallPutsEverythingInPlace) {
    const auto report = install();
    ASSERT_EQ(report.stop, InstallStop::none);
    EXPECT_TRUE(report.failed.empty());
    EXPECT_EQ(progress, (std::vector<int>{10, 20, 30, 40, 45, 47, 50, 60, 65, 70, 90, 100}));

    for (const auto& file : installedFiles()) {
        EXPECT_EQ(root.read("Telefon/" + file.destination), "contents of " + file.source);
        EXPECT_EQ(executable(folder() / file.destination), file.program) << file.destination;
    }
    EXPECT_EQ(windowsFile("Telefon_Kur_17"), "contents of Kur");
    EXPECT_TRUE(executable(root / "windows/Telefon_Kur_17"));
    EXPECT_EQ(windowsFile("Marunda_17.log"), "\"" + folder().string() + "\"\r\n");
    EXPECT_EQ(conversionNotices, 0);

    const auto& state = fake::state();
    const auto items = state.groups.at("Marunda");
    ASSERT_EQ(items.size(), 4u);
    const std::vector<std::pair<std::string, fs::path>> expected{
        {"Marunda", folder() / "Telefon"},
        {"Programı Kaldır", root / "windows/Telefon_Kur_17"},
        {"Selvira", folder() / "Zilora"},
        {"Dorvex", folder() / "Donusturucu"}};
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].caption, expected[i].first);
        EXPECT_EQ(items[i].target, expected[i].second);
    }
    EXPECT_EQ(state.desktopShortcuts.at("Marunda").target, folder() / "Telefon");
    EXPECT_EQ(state.logonEntries.at("Zilora"), folder() / "Zilora");
    EXPECT_EQ(state.started, std::vector<fs::path>{folder() / "Zilora"});
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
        {(root / "no parent/Telefon").string(), true, InstallStop::folderNotCreated},
        {(root / "Telefon").string(), false, InstallStop::declined},
        {(root / "a file").string(), true, InstallStop::unusableFolder},
        {"relative/Telefon", true, InstallStop::unusableFolder},
        {(root / "雪").string(), true, InstallStop::unusableFolder},
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
        EXPECT_EQ(readInstallationLog(root / "windows").value(), folder(name).string());
        EXPECT_EQ(fake::state().logonEntries.at("Zilora"), folder(name) / "Zilora");
        EXPECT_TRUE(root.exists(name + "/Telefon"));
    }
}

// A running program keeps the file it was started from; the folder gets the new one.
TEST_F(InstallerTest, ReinstallReplacesFilesOfARunningInstallation) {
    ASSERT_EQ(install().stop, InstallStop::none);
    root.write("Telefon/telefon.dat", "the book");
    std::ifstream running(folder() / "Zilora", std::ios::binary);
    root.write("medium/dosya2.dat", "new Zilora");
    progress.clear();

    ASSERT_EQ(install().stop, InstallStop::none);
    EXPECT_EQ(progress.front(), 20);
    EXPECT_EQ(root.read("Telefon/Zilora"), "new Zilora");
    EXPECT_TRUE(executable(folder() / "Zilora"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(running), {}), "contents of dosya2.dat");
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
        marunda::installer::install({root / "medium", root / "medium/Kur", folder().string()},
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

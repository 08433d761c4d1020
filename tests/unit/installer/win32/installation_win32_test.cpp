// The installation and removal through the Win32 services: the shell's links and the Run key,
// read back in the throw-away prefix the tests run in.
#include "core/file_name.h"
#include "installer/installation.h"
#include "installer/medium.h"
#include "installer/removal.h"
#include "platform/platform.h"
#include "run_key_reader.h"
#include "shell_link_reader.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <knownfolders.h>

using namespace marunda::installer;
namespace fs = std::filesystem;

namespace {

fs::path programsFolder() {
    PWSTR path = nullptr;
    SHGetKnownFolderPath(FOLDERID_Programs, KF_FLAG_CREATE, nullptr, &path);
    fs::path folder(path ? path : L"");
    CoTaskMemFree(path);
    return folder;
}

std::wstring zilora() {
    return runValue(HKEY_LOCAL_MACHINE, "Zilora") + runValue(HKEY_CURRENT_USER, "Zilora");
}

} // namespace

TEST(InstallationOnWindows, InstallsAndRemovesThroughTheShell) {
    TempFolder root;
    fs::create_directories(root / "medium");
    for (const auto& source : requiredSources()) {
        root.write("medium/" + source, "stand-in");
    }
    root.write("medium/Kur.exe", "stand-in");
    const fs::path target = root / marunda::pathFromText("Kişiler, Ev");
    const auto text = target.u8string();

    const auto report =
        install({root / "medium", root / "medium/Kur.exe", {text.begin(), text.end()}},
                {[] {}, [] { return true; },
                 [](int) {
                 }});
    ASSERT_EQ(report.stop, InstallStop::none);
    // Zilora's stand-in is no program: its start fails where the installer starts it itself, and
    // goes unreported where the desktop's shell takes it (the prefix's administrator runs with
    // raised rights, and the shell tells the user itself), as far as Wine's desktop is up.
    EXPECT_TRUE(report.failed.empty() ||
                report.failed == std::vector<LaterStep>{LaterStep::startReminder});

    const fs::path windows = marunda::platform::windowsFolder().value();
    const fs::path desktop = marunda::platform::desktopFolder().value();
    const fs::path group = programsFolder() / L"Marunda";
    EXPECT_EQ(readLink(desktop / L"Marunda.lnk").itemPath, (target / L"Telefon.exe").wstring());
    const std::pair<const wchar_t*, fs::path> items[] = {
        {L"Marunda.lnk", target / L"Telefon.exe"},
        {L"Programı Kaldır.lnk", windows / L"Telefon_Kur_17.exe"},
        {L"Selvira.lnk", target / L"Zilora.exe"},
        {L"Dorvex.lnk", target / L"Donusturucu.exe"}};
    for (const auto& [name, program] : items) {
        EXPECT_EQ(readLink(group / name).itemPath, program.wstring());
    }
    EXPECT_EQ(zilora(), L"\"" + (target / L"Zilora.exe").wstring() + L"\"");

    const auto removal = removeInstallation(false, [](int) {});
    EXPECT_EQ(removal.stop, RemovalStop::none);
    EXPECT_TRUE(removal.failed.empty());
    EXPECT_FALSE(fs::exists(target));
    EXPECT_FALSE(fs::exists(desktop / L"Marunda.lnk"));
    EXPECT_FALSE(fs::exists(group));
    EXPECT_EQ(zilora(), L"");
    EXPECT_FALSE(fs::exists(windows / L"Marunda_17.log"));
    EXPECT_TRUE(fs::exists(windows / L"Telefon_Kur_17.exe"));
}

#include "platform/platform.h"
#include "shell_link_reader.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <knownfolders.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <fstream>
#include <random>

namespace fs = std::filesystem;
using marunda::platform::Shortcut;

namespace {

fs::path knownFolder(const KNOWNFOLDERID& id) {
    PWSTR path = nullptr;
    SHGetKnownFolderPath(id, KF_FLAG_CREATE, nullptr, &path);
    fs::path folder(path ? path : L"");
    CoTaskMemFree(path);
    return folder;
}

// A name of our own, so that even on a real machine no entry of the user's is touched.
std::string uniqueName(const char* stem) {
    return stem + std::to_string(std::random_device()() % 1000000);
}

} // namespace

TEST(ShellLinks, ProgramGroupLinksStartTheirTargetsAndGoWithoutTheirNeighbours) {
    TempFolder dir;
    const fs::path folder = dir / fs::path(u8"Kurulum, Işık Çağrı");
    const std::string group = uniqueName("Marunda-");
    std::vector<Shortcut> items = {{"telefon", "Marunda", folder / "Telefon.exe", {}},
                                   {"kaldir", "Programı Kaldır", dir / "Telefon_Kur_17.exe", {}}};
    const fs::path groupFolder = knownFolder(FOLDERID_Programs) / fs::path(group);
    const fs::path kaldir = groupFolder / fs::path(u8"Programı Kaldır.lnk");

    ASSERT_TRUE(marunda::platform::createProgramGroup(group, items));
    items[1].target = folder / "Kur.exe";
    ASSERT_TRUE(marunda::platform::createProgramGroup(group, items)) << "replaces the first";
    EXPECT_EQ(readLink(groupFolder / "Marunda.lnk").itemPath, (folder / "Telefon.exe").wstring());
    EXPECT_EQ(readLink(groupFolder / "Marunda.lnk").folder, folder.wstring());
    EXPECT_EQ(readLink(kaldir).itemPath, (folder / "Kur.exe").wstring());
    EXPECT_EQ(readLink(kaldir).icon, (folder / "Kur.exe").wstring() + L",0") << "its own icon";

    std::ofstream(groupFolder / "foreign.lnk") << "theirs";
    ASSERT_TRUE(marunda::platform::removeProgramGroup(group, items));
    EXPECT_FALSE(fs::exists(kaldir));
    EXPECT_TRUE(fs::exists(groupFolder / "foreign.lnk")) << "not ours: it stays, and its folder";
    fs::remove(groupFolder / "foreign.lnk");
    ASSERT_TRUE(marunda::platform::createProgramGroup(group, items));
    std::ofstream(groupFolder / ".Marunda.lnk.new") << "left by an interrupted write";
    ASSERT_TRUE(marunda::platform::removeProgramGroup(group, items));
    EXPECT_FALSE(fs::exists(groupFolder)) << "what interrupted writes left goes too";
    EXPECT_TRUE(marunda::platform::removeProgramGroup(group, items)) << "gone is no error";
}

TEST(ShellLinks, DesktopShortcutStartsItsTarget) {
    TempFolder dir;
    const Shortcut shortcut{
        "telefon", uniqueName("Marunda "), dir / "Program Files, 1" / "Telefon.exe", {}};
    const fs::path file = knownFolder(FOLDERID_Desktop) / fs::path(shortcut.caption + ".lnk");
    ASSERT_TRUE(marunda::platform::createDesktopShortcut(shortcut));
    EXPECT_EQ(readLink(file).path, shortcut.target.wstring());
    EXPECT_EQ(readLink(file).folder, shortcut.target.parent_path().wstring());
    EXPECT_EQ(marunda::platform::desktopFolder().valueOr({}), file.parent_path());
    const fs::path leftover = file.parent_path() / (L"." + file.filename().wstring() + L".new");
    std::ofstream(leftover) << "left by an interrupted write";
    ASSERT_TRUE(marunda::platform::removeDesktopShortcut(shortcut.caption));
    EXPECT_FALSE(fs::exists(file));
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_FALSE(marunda::platform::createDesktopShortcut({"x", "a:b", shortcut.target, {}}));
}

TEST(WindowsFolder, IsTheSystemsWindowsFolder) {
    auto folder = marunda::platform::windowsFolder();
    ASSERT_TRUE(folder);
    EXPECT_TRUE(folder.value().is_absolute());
    EXPECT_TRUE(fs::is_directory(folder.value() / "system32"));
}

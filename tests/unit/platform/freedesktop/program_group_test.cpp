#include "desktop_file_reader.h"
#include "platform/platform.h"
#include "xdg_home.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using marunda::platform::Shortcut;

namespace {

std::vector<Shortcut> marundaItems(const fs::path& folder, const fs::path& windows) {
    return {{"telefon", "Marunda", folder / "Telefon", {}},
            {"kaldir", "Programı Kaldır", windows / "Telefon_Kur_17", {}},
            {"zilora", "Selvira", folder / "Zilora", {}},
            {"donusturucu", "Dorvex", folder / "Donusturucu", {}}};
}

// The menu as a desktop builds it: a root menu that merges the user's menu files, read by the
// menu parser of python3-xdg; one line per submenu entry, "submenu|file|name", in menu order.
std::string mergedMenu(const XdgHome& home) {
    fs::create_directories(home.folder() / "system-config/menus");
    home.folder().write("system-config/menus/applications.menu",
                        "<Menu><Name>Applications</Name><DefaultAppDirs/>"
                        "<DefaultDirectoryDirs/><DefaultMergeDirs/></Menu>\n");
    return commandOutput("PYTHONIOENCODING=utf-8 XDG_MENU_PREFIX= /usr/bin/python3 -c '"
                         "import xdg.Menu\n"
                         "lines = []\n"
                         "for sub in xdg.Menu.parse().getEntries():\n"
                         "    if isinstance(sub, xdg.Menu.Menu):\n"
                         "        lines += [\"|\".join([sub.getName(), e.DesktopFileID,\n"
                         "                  e.DesktopEntry.getName()]) for e in sub.getEntries()]\n"
                         "print(\"\\n\".join(lines))\n"
                         "'");
}

} // namespace

TEST(ProgramGroup, IsASubmenuOfItsItemsAndGoesWithoutTheirNeighbours) {
    XdgHome home;
    const auto folder = home.folder() / "Kurulum, Işık";
    const auto items = marundaItems(folder, home.folder() / "data/Marunda");
    const auto applications = home.folder() / "data/applications";
    const auto merged = home.folder() / "config/menus/applications-merged";
    const auto directories = home.folder() / "data/desktop-directories";
    for (const auto& foreign : {applications / "marunda-eski.desktop", merged / "other.menu",
                                directories / "other.directory"}) {
        fs::create_directories(foreign.parent_path());
        home.folder().write(foreign, "theirs");
    }

    ASSERT_TRUE(marunda::platform::createProgramGroup("Marunda", items));
    for (const auto* name : {"telefon", "kaldir", "zilora", "donusturucu"}) {
        const auto file = applications / ("marunda-" + std::string(name) + ".desktop");
        EXPECT_EQ(validationFaults(file), "") << name;
    }
    EXPECT_EQ(validationFaults(directories / "marunda.directory"), "");
    EXPECT_EQ(entryValue(home.folder().read(applications / "marunda-kaldir.desktop"), "Name"),
              "Programı Kaldır");
    EXPECT_EQ(mergedMenu(home), "Marunda|marunda-telefon.desktop|Marunda\n"
                                "Marunda|marunda-kaldir.desktop|Programı Kaldır\n"
                                "Marunda|marunda-zilora.desktop|Selvira\n"
                                "Marunda|marunda-donusturucu.desktop|Dorvex\n");

    // What interrupted writes left goes with the group.
    for (const auto& leftover :
         {applications / ".marunda-zilora.desktop.1a2b3c4d.new",
          merged / ".marunda.menu.1a2b3c4d.new", directories / ".marunda.directory.1a2b3c4d.new"}) {
        home.folder().write(leftover, "half");
    }
    ASSERT_TRUE(marunda::platform::removeProgramGroup("Marunda", items));
    EXPECT_EQ(mergedMenu(home), "\n");
    for (const auto& folderOfFiles : {applications, merged, directories}) {
        EXPECT_EQ(std::distance(fs::directory_iterator(folderOfFiles), fs::directory_iterator()), 1)
            << "only the foreign file stays in " << folderOfFiles;
    }
}

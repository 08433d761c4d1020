#include "platform/platform.h"
#include "xdg_home.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(UserFolders, DesktopComesFromUserDirsWithTheHomeAsDefault) {
    struct Case {
        const char* userDirs; // nullptr: no file
        const char* desktop;  // under HOME unless absolute
    } cases[] = {
        {nullptr, "Desktop"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/Belgeler\"\n", "Desktop"},
        {"# comment\nXDG_DESKTOP_DIR=\"$HOME/Masaüstü\"\n", "Masaüstü"},
        {"XDG_DESKTOP_DIR=\"$HOME/Eski\"\nXDG_DESKTOP_DIR=\"$HOME/Yeni\"\n", "Yeni"},
        {"XDG_DESKTOP_DIR=\"/srv/masa üstü\"\n", "/srv/masa üstü"},
        {"XDG_DESKTOP_DIR=\"$HOME/\"\n", ""},
        {"XDG_DESKTOP_DIR=\"$HOME/Say \\\"merhaba\\\"\"\n", "Say \"merhaba\""},
        {"XDG_DESKTOP_DIR=\"relative\"\n", "Desktop"},
    };
    for (const Case& c : cases) {
        XdgHome home;
        if (c.userDirs) {
            fs::create_directories(home.folder() / "config");
            home.folder().write("config/user-dirs.dirs", c.userDirs);
        }
        auto desktop = marunda::platform::desktopFolder();
        ASSERT_TRUE(desktop) << c.desktop;
        EXPECT_EQ(desktop.value().lexically_normal(),
                  (home.folder().path() / c.desktop).lexically_normal())
            << (c.userDirs ? c.userDirs : "no file");
    }
}

TEST(UserFolders, WindowsFolderIsCreatedUnderTheDataHome) {
    XdgHome home;
    auto expected = home.folder() / "data" / "Marunda";
    ASSERT_EQ(marunda::platform::windowsFolder().valueOr({}), expected);
    EXPECT_TRUE(fs::is_directory(expected));

    home.set("XDG_DATA_HOME", "relative/ignored");
    EXPECT_EQ(marunda::platform::windowsFolder().valueOr({}),
              home.folder() / ".local/share/Marunda");
}

#include "installer/installation_log.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace marunda::installer;

// What the log holds after writing a folder, and what reading gives back.
TEST(InstallationLog, KeepsTheWholeFolderInQuotes) {
    const struct {
        std::string folder;
        std::string bytes;
    } cases[] = {
        {"/home/ayşe/Telefon", "\"/home/ay\xFE"
                               "e/Telefon\"\r\n"},
        {"/home/a/Ali, Veli", "\"/home/a/Ali, Veli\"\r\n"},
        {"/home/a/Çok Güzel Rehber", "\"/home/a/\xC7ok G\xFCzel Rehber\"\r\n"},
    };
    for (const auto& c : cases) {
        TempFolder windows;
        ASSERT_TRUE(writeInstallationLog(windows.path(), c.folder));
        EXPECT_EQ(windows.read(std::string(kLog17)), c.bytes);
        EXPECT_EQ(readInstallationLog(windows.path()).value(), c.folder);
    }
}

// Logs as earlier installers wrote them, without quotes: the whole first line is the folder.
TEST(InstallationLog, ReadsTheUnquotedForm) {
    const struct {
        std::string bytes;
        std::string folder;
    } cases[] = {
        {"C:\\Ali, Veli\r\n", "C:\\Ali, Veli"},
        {"  C:\\Telefon  \r\nsecond line\r\n", "C:\\Telefon"},
        {"C:\\T\xFCrk\xE7"
         "e",
         "C:\\Türkçe"},
        {"\"C:\\Telefon\",17\r\n", "C:\\Telefon"},
    };
    for (const auto& c : cases) {
        TempFolder windows;
        windows.write(std::string(kLog17), c.bytes);
        EXPECT_EQ(readInstallationLog(windows.path()).value(), c.folder) << c.bytes;
    }
}

TEST(InstallationLog, RefusesWhatCannotBeReadBack) {
    TempFolder windows;
    for (const std::string folder : {"", "/a\"b", "/a\nb", "/雪"}) {
        EXPECT_FALSE(loggableFolder(folder)) << folder;
        EXPECT_FALSE(writeInstallationLog(windows.path(), folder)) << folder;
    }
    EXPECT_FALSE(windows.exists(std::string(kLog17)));
    EXPECT_EQ(readInstallationLog(windows.path()).error().code, marunda::ErrorCode::notFound);
    windows.write(std::string(kLog17), "   \r\n");
    EXPECT_EQ(readInstallationLog(windows.path()).error().code, marunda::ErrorCode::badFormat);
}

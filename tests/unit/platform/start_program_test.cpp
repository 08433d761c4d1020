#include "platform/platform.h"
#include "started_program.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(StartDetached, FailsForWhatCannotRun) {
    TempFolder dir;
    dir.write("notes.txt", "not a program\n");
    fs::create_directories(dir / "folder");
    for (const char* name : {"missing", "notes.txt", "folder"}) {
        EXPECT_FALSE(marunda::platform::startDetached(dir / name)) << name;
    }
}

TEST(StartDetached, EachArgumentArrivesWhole) {
    TempFolder dir;
    const std::vector<std::string> arguments{"--sayfa", "12",        "Ayşe Kaya", "",
                                             "a\"b",    "C:\\yol\\", "\\\"x\\",   "$HOME %PATH%"};
    std::string expected;
    for (const auto& argument : arguments) {
        expected += "argument [" + argument + "]\n";
    }
    const auto report = startedProgramReport(dir / "program", arguments);
    EXPECT_NE(report.find(expected), std::string::npos) << report;
}

#include "platform/platform.h"
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

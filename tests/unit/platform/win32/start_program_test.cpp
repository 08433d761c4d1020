#include "started_program.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

TEST(StartDetached, RunsInItsFolderMinimizedWithFocus) {
    TempFolder dir;
    auto report = startedProgramReport(dir / std::filesystem::path(u8"Başla, Işık"));
    EXPECT_EQ(report, "show 2\n");
}

#include "started_program.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

// Started detached, or as the user by an installer that may have the administrator's rights.
TEST(StartDetached, RunsInItsFolderMinimizedWithFocus) {
    const Starter starters[] = {{}, [](const auto& program) {
                                    return marunda::platform::startAsUser(program);
                                }};
    for (const auto& start : starters) {
        TempFolder dir;
        auto report = startedProgramReport(dir / std::filesystem::path(u8"Başla, Işık"), {}, start);
        EXPECT_EQ(report, "show 2\n");
    }
}

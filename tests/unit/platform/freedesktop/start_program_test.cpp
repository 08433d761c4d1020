#include "started_program.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

TEST(StartDetached, RunsInItsFolderAsNobodysChildHoldingNothingOfOurs) {
    TempFolder dir;
    // A descriptor that a careless fork and exec would hand on.
    int inheritable = open("/dev/null", O_RDONLY);
    ASSERT_GE(inheritable, 0);
    auto report = startedProgramReport(dir / "Başla, Işık \"x\" $y 100%");
    close(inheritable);
    EXPECT_EQ(report.find("parent " + std::to_string(getpid()) + "\n"), std::string::npos)
        << report;
    EXPECT_NE(report.find("open 3\n"), std::string::npos) << report;
    EXPECT_NE(report.find("output /dev/null\n"), std::string::npos) << report;
}

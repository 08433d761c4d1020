#include "common/file_io.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace marunda;

TEST(FileIo, RangesStopAtTheEndOfTheFile) {
    TempFolder dir;
    dir.write("f", "0123456789");
    EXPECT_EQ(readFileRange(dir / "f", 8, 5).value(), "89");
    EXPECT_EQ(readFileRange(dir / "f", 20, 5).value(), "");
    EXPECT_EQ(readFile(dir / "missing").error().code, ErrorCode::notFound);
    EXPECT_EQ(fileSize(dir / "missing").error().code, ErrorCode::notFound);
}

TEST(FileIo, WriteAtExtendsWithoutTruncating) {
    TempFolder dir;
    dir.write("f", "abcdef");
    ASSERT_TRUE(writeFileAt(dir / "f", 2, "XY"));
    ASSERT_TRUE(writeFileAt(dir / "f", 6, "gh"));
    EXPECT_EQ(dir.read("f"), "abXYefgh");
    ASSERT_TRUE(touchFile(dir / "f"));
    EXPECT_EQ(dir.read("f"), "abXYefgh");
}

TEST(FileIo, ReplaceLeavesNoTemporaryAndKeepsTheOldFileOnFailure) {
    TempFolder dir;
    dir.write("target", "old");
    ASSERT_TRUE(replaceFile(dir / "target", "new bytes"));
    EXPECT_EQ(dir.read("target"), "new bytes");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    // A folder standing where the target should be cannot be replaced by a file.
    std::filesystem::create_directory(dir / "busy");
    dir.write("busy/inner", "x");
    auto failed = replaceFile(dir / "busy", "data");
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().code, ErrorCode::unwritable);
    EXPECT_FALSE(dir.exists(".busy.new"));
    EXPECT_EQ(dir.read("busy/inner"), "x");

    EXPECT_FALSE(replaceFile(dir / "no-such-folder" / "f", "x"));
}

TEST(FileIo, ReplaceViaNamedTemporaryRemovesAStaleOne) {
    TempFolder dir;
    dir.write("book", "old");
    dir.write("scratch", "stale leftovers");
    ASSERT_TRUE(replaceFileVia(dir / "book", dir / "scratch", "fresh"));
    EXPECT_EQ(dir.read("book"), "fresh");
    EXPECT_FALSE(dir.exists("scratch"));
}

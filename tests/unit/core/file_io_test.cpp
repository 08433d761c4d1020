#include "core/file_faults.h"
#include "core/file_io.h"
#include "platform.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <array>

#ifndef _WIN32
#include <sys/stat.h>
#endif

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

// A file that comes out read-only as it is created (a umask taking every write bit) is refused
// for writing and not left behind; an existing read-only file stays as it was.
TEST(FileIo, AnOpenThatFailsLeavesNoFileItCreated) {
    NOT_ON_WINDOWS();
#ifndef _WIN32
    TempFolder dir;
    dir.write("kept", "old");
    std::filesystem::permissions(dir / "kept", std::filesystem::perms::owner_read);
    const auto mask = ::umask(0222);
    const auto fresh = writeFileAt(dir / "fresh", 0, "x");
    const auto kept = writeFileAt(dir / "kept", 0, "x");
    ::umask(mask);
    EXPECT_FALSE(fresh);
    EXPECT_FALSE(dir.exists("fresh"));
    EXPECT_FALSE(kept);
    EXPECT_EQ(dir.read("kept"), "old");
#endif
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

TEST(FileIo, ReplaceBehavesLikeASaveFile) {
    namespace fs = std::filesystem;
    TempFolder dir;
    dir.write("private", "old");
    if (!kOnWindows) {
        // Rules of POSIX systems: permission bits, and links that anyone may make.
        // The permissions stay: a private file is not made readable by others.
        fs::permissions(dir / "private", fs::perms::owner_read | fs::perms::owner_write);
        ASSERT_TRUE(replaceFile(dir / "private", "new"));
        EXPECT_EQ(fs::status(dir / "private").permissions(),
                  fs::perms::owner_read | fs::perms::owner_write);

        // A link is followed: its target gets the new bytes and the link stays a link.
        fs::create_directory(dir / "real");
        dir.write("real/book", "old");
        fs::create_symlink("real/book", dir / "link");
        ASSERT_TRUE(replaceFile(dir / "link", "through the link"));
        EXPECT_TRUE(fs::is_symlink(dir / "link"));
        EXPECT_EQ(dir.read("real/book"), "through the link");
    }

    // The temporary name is unique: a stale one in the way does not matter.
    fs::create_directories(dir / ".private.new" / "inner");
    EXPECT_TRUE(replaceFile(dir / "private", "again"));

    // A read-only target is refused and kept.
    fs::permissions(dir / "private", fs::perms::owner_read);
    EXPECT_FALSE(replaceFile(dir / "private", "refused"));
    EXPECT_EQ(dir.read("private"), "again");

    // Leftovers of interrupted replacements go; other files stay.
    fs::remove_all(dir / ".private.new");
    dir.write(".private.new", "x");
    dir.write(".private.0a1b2c3d.new", "x");
    dir.write("private.new", "not ours");
    const std::array<std::string_view, 1> names{"private"};
    removeLeftoverTemporaries(dir.path(), names);
    EXPECT_FALSE(dir.exists(".private.0a1b2c3d.new"));
    EXPECT_FALSE(dir.exists(".private.new"));
    EXPECT_TRUE(dir.exists("private.new"));
}

TEST(FileIo, AFailedFlushOrFolderSyncIsAFailure) {
    // Calls of a replacement: create, write, flush, rename, folder sync.
    for (const int failing : {3, 5}) {
        TempFolder dir;
        dir.write("f", "old");
        const PreviousContents previous{true, "old"};
        file_faults::arm(failing, file_faults::Kind::once);
        const auto replaced = replaceFile(dir / "f", "new", &previous);
        file_faults::disarm();
        EXPECT_FALSE(replaced) << failing;
        EXPECT_EQ(dir.read("f"), "old") << failing;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    }
}

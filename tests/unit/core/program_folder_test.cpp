#include "core/file_name.h"
#include "core/program_folder.h"
#include "platform.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace marunda;
namespace fs = std::filesystem;

namespace {

// Puts the current folder back whatever a test does with it.
class CurrentFolderGuard {
public:
    CurrentFolderGuard()
        : saved_(fs::current_path()) {}
    ~CurrentFolderGuard() {
        std::error_code ec;
        fs::current_path(saved_, ec);
    }
    CurrentFolderGuard(const CurrentFolderGuard&) = delete;
    CurrentFolderGuard& operator=(const CurrentFolderGuard&) = delete;

private:
    fs::path saved_;
};

} // namespace

TEST(ProgramFolder, IsTheExecutablesFolderWhateverTheCurrentOne) {
    CurrentFolderGuard guard;
    TempFolder dir;
    ASSERT_TRUE(enterFolder(dir.path()));
    const auto folder = programFolder();
    EXPECT_TRUE(folder.is_absolute());
    EXPECT_TRUE(fs::is_regular_file(folder / CORE_TESTS_FILE_NAME)) << pathText(folder);
    if (kOnWindows) {
        EXPECT_EQ(folder.root_name().native().size(), 2u) << "a drive letter and a colon";
    }
}

TEST(ProgramFolder, EnteringAFolderTakesAnyNameAndAMissingOneChangesNothing) {
    CurrentFolderGuard guard;
    TempFolder dir;
    const auto turkish = dir / fs::path(u8"Şirket Rehberi ğüıöç");
    fs::create_directory(turkish);
    ASSERT_TRUE(enterFolder(turkish));
    EXPECT_TRUE(fs::equivalent(fs::current_path(), turkish));

    auto failed = enterFolder(dir / "missing");
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().code, ErrorCode::notFound);
    EXPECT_TRUE(fs::equivalent(fs::current_path(), turkish));
}

#include "core/file_handle.h"
#include "core/file_io.h"
#include "core/file_name.h"
#include "core/record_store.h"
#include "platform.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>

using namespace marunda;
namespace fs = std::filesystem;

namespace {

ContactRecord named(const std::string& name) {
    ContactRecord record;
    record.setText(Field::name, name);
    return record;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(pathText(entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(FileSystemRules, TurkishFolderAndFileNamesWorkThroughout) {
    TempFolder dir;
    const auto folder = dir / fs::path(u8"Şirket Rehberi ğüıöç");
    fs::create_directory(folder);
    RecordStore store(folder);
    ASSERT_TRUE(store.createDataFiles());
    ASSERT_TRUE(store.writePage(1, named("Ayşe")));
    ASSERT_TRUE(store.writeNextPage(2));
    EXPECT_EQ(store.readPage(1).value(), named("Ayşe"));
    EXPECT_EQ(store.readNextPage().value(), 2);

    const auto listing = folder / fs::path(u8"Kişiler İŞÇ.txt");
    ASSERT_TRUE(replaceFile(listing, "first"));
    ASSERT_TRUE(replaceFile(listing, "second"));
    EXPECT_EQ(readFile(listing).value(), "second");
    EXPECT_EQ(namesIn(folder), (std::vector<std::string>{"Kişiler İŞÇ.txt", "bilgi.dat", "data.dat",
                                                         "telefon.dat"}));

    const auto missing = readFile(folder / fs::path(u8"Yok ğ.dat"));
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().code, ErrorCode::notFound);
    EXPECT_TRUE(missing.error().detail.ends_with(
        "Şirket Rehberi ğüıöç" + std::string(kOnWindows ? "\\" : "/") + "Yok ğ.dat"));
}

TEST(FileSystemRules, DriveLetterAndSeparatorsMayBeSpelledAnyWay) {
    ONLY_ON_WINDOWS();
    TempFolder dir;
    ASSERT_TRUE(dir.path().has_root_name());
    dir.write("Telefon.dat", "bytes");
    // Lower-case drive letter, forward slashes, names in the other case: still the one file.
    std::wstring spelled = (dir / "Telefon.dat").generic_wstring();
    std::transform(spelled.begin(), spelled.end(), spelled.begin(),
                   [](wchar_t ch) { return static_cast<wchar_t>(std::towlower(ch)); });
    ASSERT_EQ(spelled[1], L':');
    EXPECT_TRUE(sameFileName(spelled, dir / "Telefon.dat"));
    EXPECT_EQ(readFile(spelled).value(), "bytes");
    ASSERT_TRUE(writeFileAt(spelled, 5, "!"));
    EXPECT_EQ(dir.read("Telefon.dat"), "bytes!");

    // A program in a drive's root keeps its files in that root, not in the drive's current folder.
    EXPECT_EQ(RecordStore(fs::path(L"D:\\Telefon.exe").parent_path()).file(kBookFile),
              fs::path(L"D:\\telefon.dat"));
}

TEST(FileSystemRules, NamesDifferingInCaseAreOneFileOnWindows) {
    ONLY_ON_WINDOWS();
    // Files named in capitals (as copies from old media often are) are still the store's.
    TempFolder dir;
    dir.write("TELEFON.DAT", std::string(named("Ali").bytes()));
    dir.write("BILGI.DAT", "2,\"17\"\r\n");
    dir.write("DATA.DAT", "kept password");
    RecordStore store(dir.path());
    EXPECT_EQ(store.readNextPage().value(), 2);
    EXPECT_EQ(store.readPage(1).value(), named("Ali"));
    EXPECT_EQ(store.recordCount().value(), 1);

    ASSERT_TRUE(store.createDataFiles());
    EXPECT_EQ(dir.read("DATA.DAT"), "kept password");
    ASSERT_TRUE(store.writeNextPage(5));
    EXPECT_EQ(store.readNextPage().value(), 5);
    EXPECT_EQ(namesIn(dir.path()).size(), 3u);
}

TEST(FileSystemRules, NamesDifferingInCaseAreTwoFilesElsewhere) {
    NOT_ON_WINDOWS();
    TempFolder dir;
    dir.write("TELEFON.DAT", std::string(named("Ali").bytes()));
    dir.write("BILGI.DAT", "2,\"17\"\r\n");
    dir.write("DATA.DAT", "someone else's");
    RecordStore store(dir.path());
    EXPECT_EQ(store.readNextPage().error().code, ErrorCode::notFound);
    EXPECT_EQ(store.recordCount().value(), 0);

    ASSERT_TRUE(store.createDataFiles());
    EXPECT_EQ(dir.read("DATA.DAT"), "someone else's");
    EXPECT_EQ(dir.read("data.dat").size(), 2000u);
    EXPECT_EQ(namesIn(dir.path()).size(), 6u);
}

TEST(FileSystemRules, ReplacingAFileThatIsOpenFailsCleanlyOnWindows) {
    ONLY_ON_WINDOWS();
    TempFolder dir;
    dir.write("bilgi.dat", "old");
    FileHandle reader;
    ASSERT_TRUE(reader.open(dir / "bilgi.dat", FileHandle::Mode::read));

    auto failed = replaceFile(dir / "bilgi.dat", "new");
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().code, ErrorCode::unwritable);
    EXPECT_TRUE(failed.error().detail.ends_with("bilgi.dat"));
    auto failedVia = replaceFileVia(dir / "bilgi.dat", dir / "sil.txt", "new");
    ASSERT_FALSE(failedVia);
    EXPECT_EQ(failedVia.error().code, ErrorCode::unwritable);

    EXPECT_EQ(reader.readAll().value(), "old");
    EXPECT_EQ(dir.read("bilgi.dat"), "old");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"bilgi.dat"});

    reader.close();
    ASSERT_TRUE(replaceFile(dir / "bilgi.dat", "new"));
    EXPECT_EQ(dir.read("bilgi.dat"), "new");
}

TEST(FileSystemRules, ReplacingAFileThatIsOpenLeavesTheReaderTheOldOneElsewhere) {
    NOT_ON_WINDOWS();
    TempFolder dir;
    dir.write("bilgi.dat", "old");
    FileHandle reader;
    ASSERT_TRUE(reader.open(dir / "bilgi.dat", FileHandle::Mode::read));

    ASSERT_TRUE(replaceFile(dir / "bilgi.dat", "new"));
    EXPECT_EQ(reader.readAll().value(), "old");
    EXPECT_EQ(dir.read("bilgi.dat"), "new");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"bilgi.dat"});
}

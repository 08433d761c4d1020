#include "core/password_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <map>

using namespace marunda;

namespace {

std::string filler(std::size_t size = 2000) {
    const std::string pattern = "kwzdofelpyrxuvajbs\xFDh";
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i) {
        bytes += pattern[i % pattern.size()];
    }
    return bytes;
}

// `base` with the given 1-based bytes replaced.
std::string withBytes(std::string base, const std::map<int, char>& bytes) {
    for (const auto& [position, byte] : bytes) {
        base[static_cast<std::size_t>(position - 1)] = byte;
    }
    return base;
}

struct Folder {
    TempFolder dir;
    PasswordFile file{dir.path()};

    explicit Folder(const std::string& data) { dir.write("data.dat", data); }
    std::string bytes() const { return dir.read("data.dat"); }
};

} // namespace

TEST(PasswordFile, FreshFileHasNoPassword) {
    Folder folder(filler());
    EXPECT_FALSE(folder.file.passwordIsSet().value());
    EXPECT_EQ(folder.file.readPassword().value(), "");
}

TEST(PasswordFile, WritingTouchesOnlyTheLengthAndCharacterBytes) {
    struct Case {
        std::string before;
        std::string password;
        std::string after;
    };
    const std::string sixSet = withBytes(
        filler(), {{1, '6'}, {10, 'b'}, {30, 'a'}, {50, 'h'}, {70, '\xE7'}, {90, 'e'}, {110, 'm'}});
    const std::string fiveSet =
        withBytes(filler(), {{1, '5'}, {10, 'k'}, {30, 'a'}, {50, 'l'}, {70, 'e'}, {90, 'm'}});
    const std::vector<Case> cases = {
        {filler(), "ab", withBytes(filler(), {{1, '2'}, {10, 'a'}, {30, 'b'}})},
        {filler(), "kalem",
         withBytes(filler(), {{1, '5'}, {10, 'k'}, {30, 'a'}, {50, 'l'}, {70, 'e'}, {90, 'm'}})},
        {filler(), "123456789",
         withBytes(filler(), {{1, '9'},
                              {10, '1'},
                              {30, '2'},
                              {50, '3'},
                              {70, '4'},
                              {90, '5'},
                              {110, '6'},
                              {130, '7'},
                              {150, '8'},
                              {170, '9'}})},
        // A shorter password leaves the old characters beyond its length in place.
        {sixSet, "xy", withBytes(sixSet, {{1, '2'}, {10, 'x'}, {30, 'y'}})},
        {fiveSet, "kuş", withBytes(fiveSet, {{1, '3'}, {10, 'k'}, {30, 'u'}, {50, '\xFE'}})},
        {filler(), "", withBytes(filler(), {{1, '0'}})},
        {filler(), "İğı",
         withBytes(filler(), {{1, '3'}, {10, '\xDD'}, {30, '\xF0'}, {50, '\xFD'}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.password);
        Folder folder(c.before);
        ASSERT_TRUE(folder.file.writePassword(c.password));
        EXPECT_EQ(folder.bytes(), c.after);
        EXPECT_TRUE(folder.file.passwordIsSet().value());
        EXPECT_EQ(folder.file.readPassword().value(), c.password);
    }
}

TEST(PasswordFile, ClearingChangesOnlyByteOne) {
    const std::string set = withBytes(filler(), {{1, '3'}, {10, 'a'}, {30, 'b'}, {50, 'c'}});
    Folder folder(set);
    ASSERT_TRUE(folder.file.clearPassword());
    EXPECT_EQ(folder.bytes(), withBytes(set, {{1, 'k'}}));
    EXPECT_FALSE(folder.file.passwordIsSet().value());
    EXPECT_EQ(folder.file.readPassword().value(), "");
}

TEST(PasswordFile, RefusedPasswordsWriteNothing) {
    for (const std::string password : {"ab\xE2\x9C\x93", "\xE6\x97\xA5", "1234567890"}) {
        SCOPED_TRACE(password);
        Folder folder(filler());
        auto written = folder.file.writePassword(password);
        ASSERT_FALSE(written);
        EXPECT_EQ(folder.bytes(), filler());
    }
    Folder folder(filler());
    auto refused = folder.file.writePassword("ab\xE2\x9C\x93");
    EXPECT_EQ(refused.error().code, ErrorCode::badFormat);
    EXPECT_EQ(refused.error().detail, "\xE2\x9C\x93");
    EXPECT_EQ(folder.file.writePassword("1234567890").error().code, ErrorCode::outOfRange);
}

TEST(PasswordFile, MissingFileIsReportedAndNeverCreated) {
    TempFolder dir;
    PasswordFile file(dir.path());
    EXPECT_EQ(file.passwordIsSet().error().code, ErrorCode::notFound);
    EXPECT_EQ(file.readPassword().error().code, ErrorCode::notFound);
    EXPECT_EQ(file.writePassword("ab").error().code, ErrorCode::notFound);
    EXPECT_EQ(file.clearPassword().error().code, ErrorCode::notFound);
    EXPECT_FALSE(dir.exists("data.dat"));
}

TEST(PasswordFile, ShortFilesAreReadOnlyAsFarAsTheyGo) {
    struct Case {
        std::string name;
        std::string data;
        std::optional<bool> isSet; // nullopt: damaged
        std::optional<std::string> password;
    };
    const std::vector<Case> cases = {
        {"empty", "", std::nullopt, std::nullopt},
        {"only the unset marker", "k", false, ""},
        {"length 0 alone", "0", true, ""},
        {"not a digit counts as 0", withBytes(filler(40), {{1, 'x'}}), true, ""},
        {"third character missing", withBytes(filler(49), {{1, '3'}}), true, std::nullopt},
        {"ends at the last character", withBytes(filler(50), {{1, '3'}}), true, "yyy"},
        {"nine past a 20-byte file", withBytes(filler(20), {{1, '9'}}), true, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Folder folder(c.data);
        auto isSet = folder.file.passwordIsSet();
        ASSERT_EQ(isSet.ok(), c.isSet.has_value());
        if (c.isSet) {
            EXPECT_EQ(isSet.value(), *c.isSet);
        } else {
            EXPECT_EQ(isSet.error().code, ErrorCode::badFormat);
        }
        auto password = folder.file.readPassword();
        ASSERT_EQ(password.ok(), c.password.has_value());
        if (c.password) {
            EXPECT_EQ(password.value(), *c.password);
        } else {
            EXPECT_EQ(password.error().code, ErrorCode::badFormat);
        }
        EXPECT_EQ(folder.bytes(), c.data);
    }
}

TEST(PasswordFile, WritingCompletesAShortFileWithTheFiller) {
    // The bytes already there stay; the missing tail becomes filler before the password goes in.
    const std::string head = "3xxxxxxxxxxxa";
    Folder folder(head);
    ASSERT_TRUE(folder.file.writePassword("ab"));
    std::string expected = head + filler().substr(head.size());
    EXPECT_EQ(folder.bytes(), withBytes(expected, {{1, '2'}, {10, 'a'}, {30, 'b'}}));

    Folder empty("");
    ASSERT_TRUE(empty.file.clearPassword());
    EXPECT_EQ(empty.bytes(), filler());
}

TEST(PasswordFile, LongerFileKeepsItsLength) {
    const std::string longer = filler(2100);
    Folder folder(longer);
    ASSERT_TRUE(folder.file.writePassword("a"));
    EXPECT_EQ(folder.bytes(), withBytes(longer, {{1, '1'}, {10, 'a'}}));
}

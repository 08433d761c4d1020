#include "common/update_info.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <utility>

using namespace marunda;

namespace {

const std::string kGoodBody = "\"1.8\",\"8.12.2026\",\"Yeni s\xFCr\xFCm, daha h\xFDzl\xFD\"\r\n";

std::string bodyOfSize(std::size_t size) {
    std::string body = "1.8,\"1.1.2027\",\"";
    body += std::string(size - body.size() - 1, 'x');
    return body + "\"";
}

} // namespace

TEST(UpdateInfo, ParsesItemsAsWritten) {
    struct Case {
        const char* name;
        std::string bytes;
        UpdateInfo info;
    };
    const std::vector<Case> cases = {
        {"quoted items keep their commas",
         kGoodBody,
         {"1.8", "8.12.2026", "Yeni s\xFCr\xFCm, daha h\xFDzl\xFD"}},
        {"bare numbers are not reformatted", "1.80,20261208,007\r\n", {"1.80", "20261208", "007"}},
        {"one item a line", "\"2.0\"\n\"1.1.2027\"\n\"Mesaj\"\n", {"2.0", "1.1.2027", "Mesaj"}},
        {"quoted message spanning lines", "1.8,\"x\",\"bir\r\niki\"", {"1.8", "x", "bir\r\niki"}},
        {"anything after the third item ignored", "1,2,3,4,\"5", {"1", "2", "3"}},
    };
    for (const auto& c : cases) {
        const auto parsed = parseUpdateInfo(c.bytes);
        ASSERT_TRUE(parsed) << c.name;
        EXPECT_EQ(parsed.value(), c.info) << c.name;
    }
}

TEST(UpdateInfo, RejectsAnswersThatAreNotTheDocument) {
    struct Case {
        const char* name;
        int status;
        std::string body;
        ErrorCode code;
    };
    const std::vector<Case> cases = {
        {"not found page", 404, "<html><body>Not Found, sorry, gone</body></html>",
         ErrorCode::badFormat},
        {"server error with a good body", 500, kGoodBody, ErrorCode::badFormat},
        {"redirect not followed", 301, kGoodBody, ErrorCode::badFormat},
        {"two items", 200, "\"1.8\",\"8.12.2026\"\r\n", ErrorCode::fewerItems},
        {"empty body", 200, "", ErrorCode::fewerItems},
        {"one byte over the limit", 200, bodyOfSize(kUpdateBodyLimit + 1), ErrorCode::outOfRange},
    };
    for (const auto& c : cases) {
        const auto checked = checkUpdateResponse(c.status, c.body);
        ASSERT_FALSE(checked) << c.name;
        EXPECT_EQ(checked.error().code, c.code) << c.name;
    }
    EXPECT_TRUE(checkUpdateResponse(200, bodyOfSize(kUpdateBodyLimit)));
}

TEST(UpdateInfo, ReplacesTheFileOnlyWithAGoodAnswer) {
    TempFolder folder;
    EXPECT_EQ(readUpdateFile(folder.path()).error().code, ErrorCode::notFound);

    // A rejected answer on a fresh installation leaves no file behind.
    EXPECT_FALSE(acceptUpdateResponse(folder.path(), 404, "<html>404</html>"));
    EXPECT_FALSE(folder.exists("update.upd"));

    const std::string old = "\"1.7\",\"1.1.2026\",\"Eski\"\r\n";
    folder.write("update.upd", old);
    for (const auto& [status, body] :
         std::vector<std::pair<int, std::string>>{{404, "<html>404</html>"},
                                                  {200, "1.9,\"x\""},
                                                  {200, bodyOfSize(kUpdateBodyLimit + 1)}}) {
        EXPECT_FALSE(acceptUpdateResponse(folder.path(), status, body));
        EXPECT_EQ(folder.read("update.upd"), old);
    }

    // A body with extra items and no final line end is still stored exactly as sent.
    const std::string body = kGoodBody + "\"ek\",42";
    const auto accepted = acceptUpdateResponse(folder.path(), 200, body);
    ASSERT_TRUE(accepted);
    EXPECT_EQ(accepted.value().version, "1.8");
    EXPECT_EQ(folder.read("update.upd"), body);
    EXPECT_EQ(readUpdateFile(folder.path()).value(), accepted.value());
}

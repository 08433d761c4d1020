#include "core/update_info.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

using namespace marunda;

namespace {

const std::string kGoodBody = "\"1.8\",\"8.12.2026\",\"Yeni, h\xFDzl\xFD\"\r\n";

std::string bodyOfSize(std::size_t size) {
    std::string body = "1.8,\"1.1.2027\",\"";
    body += std::string(size - body.size() - 1, 'x');
    return body + "\"";
}

} // namespace

// Each answer is refused for its own reason, whatever the network layer made of it.
TEST(UpdateInfo, RefusesAnswersThatAreNotTheDocument) {
    struct Case {
        const char* name;
        int status;
        std::string body;
        ErrorCode code;
    };
    const std::vector<Case> cases = {
        {"no content", 204, kGoodBody, ErrorCode::badFormat},
        {"not found page", 404, "<html>\n<body>Not Found</body>\n</html>\n", ErrorCode::badFormat},
        {"two items", 200, "\"1.8\",\"8.12.2026\"\r\n", ErrorCode::fewerItems},
        {"one byte over the limit", 200, bodyOfSize(kUpdateBodyLimit + 1), ErrorCode::outOfRange},
    };
    TempFolder folder;
    const std::string old = "1.7,\"1.1.2026\",\"Eski\"\r\n";
    folder.write("update.upd", old);
    for (const auto& c : cases) {
        const auto accepted = acceptUpdateResponse(folder.path(), c.status, c.body);
        ASSERT_FALSE(accepted) << c.name;
        EXPECT_EQ(accepted.error().code, c.code) << c.name;
        EXPECT_EQ(folder.read("update.upd"), old) << c.name;
    }
}

TEST(UpdateInfo, StoresAGoodAnswerExactlyAsSent) {
    TempFolder folder;
    EXPECT_EQ(readUpdateFile(folder.path()).error().code, ErrorCode::notFound);
    for (const auto& body : {kGoodBody + "\"ek\",42", bodyOfSize(kUpdateBodyLimit)}) {
        const auto accepted = acceptUpdateResponse(folder.path(), 200, body);
        ASSERT_TRUE(accepted);
        EXPECT_EQ(accepted.value().version, "1.8");
        EXPECT_EQ(folder.read("update.upd"), body);
        EXPECT_EQ(readUpdateFile(folder.path()).value(), accepted.value());
    }
}

TEST(UpdateInfo, AKeptFileIsReadWithTheDownloadsCap) {
    TempFolder folder;
    folder.write("update.upd", bodyOfSize(kUpdateBodyLimit));
    EXPECT_TRUE(readUpdateFile(folder.path()));
    folder.write("update.upd", bodyOfSize(1024 * 1024));
    EXPECT_EQ(readUpdateFile(folder.path()).error().code, ErrorCode::outOfRange);
}

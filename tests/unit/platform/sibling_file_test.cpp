#include "platform.h"
#include "platform/platform.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(FindSibling, MatchesTheNameWithoutRegardToCase) {
    TempFolder dir;
    dir.write("Zilora.WAV", "tune");
    dir.write("telefon", "program");
    fs::create_directories(dir / "Kayit");
    struct Case {
        const char* asked;
        const char* found; // nullptr: none
    } cases[] = {
        {"zilora.wav", "Zilora.WAV"}, {"ZILORA.wav", "Zilora.WAV"}, {"telefon", "telefon"},
        {"Telefon", "telefon"},       {"zilora", nullptr},          {"kayit", nullptr},
        {"telefon.exe", nullptr},
    };
    for (const Case& c : cases) {
        auto found = marunda::platform::findSibling(dir.path(), c.asked);
        ASSERT_EQ(found.has_value(), c.found != nullptr) << c.asked;
        if (found) {
            EXPECT_TRUE(fs::equivalent(*found, dir / c.found)) << c.asked;
        }
    }
    EXPECT_FALSE(marunda::platform::findSibling(dir / "missing", "telefon"));
}

TEST(FindSibling, ChoosesAmongSpellingsByName) {
    NOT_ON_WINDOWS();
    TempFolder dir;
    dir.write("telefon", "lower");
    dir.write("TELEFON", "upper");
    dir.write("Telefon", "mixed");
    EXPECT_EQ(marunda::platform::findSibling(dir.path(), "tELEFON"), dir / "TELEFON");
    EXPECT_EQ(marunda::platform::findSibling(dir.path(), "telefon"), dir / "telefon");
}

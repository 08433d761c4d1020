#include "platform.h"
#include "platform/platform.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

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

TEST(StoredSpelling, SpellsEachFolderAsTheDiskDoesWhereCaseIsIgnored) {
    TempFolder dir;
    // UTF-8 whatever the system's code page.
    const fs::path yearly(u8"Yıllık Döküm");
    fs::create_directories(dir / "Belgeler" / yearly);
    const fs::path top = marunda::platform::storedSpelling(dir.path());
    const fs::path stored = top / "Belgeler" / yearly;
    std::string drive = top.root_name().string();
    for (char& c : drive) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    struct Case {
        fs::path asked;
        fs::path whereCaseIsIgnored;
    } cases[] = {
        {stored, stored},
        {top / "BELGELER" / u8"yıllık DÖKÜM", stored},
        {fs::path(drive) / top.root_directory() / top.relative_path() / "Belgeler" / yearly,
         stored},
        {top / "belgeler" / "Yeni" / "alt", top / "Belgeler" / "Yeni" / "alt"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(marunda::platform::storedSpelling(c.asked),
                  kOnWindows ? c.whereCaseIsIgnored : c.asked)
            << c.asked;
    }
}

#include "core/file_name.h"
#include "platform.h"

#include <gtest/gtest.h>

using namespace marunda;
namespace fs = std::filesystem;

TEST(FileName, PathTextShowsABrokenWindowsNameInsteadOfFailing) {
    ONLY_ON_WINDOWS();
    // NTFS accepts unpaired surrogates in names; a message about such a file must still work.
    const std::wstring name(L"a\xD800"
                            L"b\xDC00"
                            L"\xD83D\xDE00");
    EXPECT_EQ(pathText(fs::path(name)), "a\uFFFDb\uFFFD\U0001F600");
}

TEST(FileName, SameFileNameFollowsThePlatform) {
    struct Case {
        const char8_t* a;
        const char8_t* b;
        bool onWindows;
        bool elsewhere;
    };
    const Case cases[] = {
        {u8"telefon.dat", u8"telefon.dat", true, true},
        {u8"telefon.dat", u8"TELEFON.DAT", true, false},
        {u8"Kur/Zilora.wav", u8"kur/zilora.WAV", true, false},
        {u8"şoför ğ.txt", u8"ŞOFÖR Ğ.TXT", true, false},
        // Windows upper-cases i to I, never to the dotted İ.
        {u8"kişi.txt", u8"KIŞI.TXT", true, false},
        {u8"kişi.txt", u8"KİŞİ.TXT", false, false},
        {u8"a/./b", u8"a/b", true, true},
        {u8"a/x/../b", u8"a/b", true, true},
        {u8"a/b", u8"a\\b", true, false},
        {u8"telefon.dat", u8"telefon.da", false, false},
        {u8"telefon.dat", u8"bilgi.dat", false, false},
    };
    for (const auto& c : cases) {
        const bool expected = kOnWindows ? c.onWindows : c.elsewhere;
        EXPECT_EQ(sameFileName(fs::path(c.a), fs::path(c.b)), expected)
            << pathText(fs::path(c.a)) << " vs " << pathText(fs::path(c.b));
    }
}

#include "core/cp1254.h"

#include <gtest/gtest.h>

#include <vector>

using namespace marunda;

TEST(Cp1254, EveryByteRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(encodeCp1254(decodeCp1254(byte)), byte) << "byte " << b;
    }
}

TEST(Cp1254, MapsTheTurkishAndWindowsSpecificBytes) {
    struct Case {
        unsigned char byte;
        char32_t ch;
    };
    const Case cases[] = {
        {0x80, U'€'}, {0x81, 0x81}, {0x8D, 0x8D}, {0x8E, 0x8E}, {0x8F, 0x8F}, {0x90, 0x90},
        {0x9D, 0x9D}, {0x9E, 0x9E}, {0x9F, U'Ÿ'}, {0xA0, 0xA0}, {0xC7, U'Ç'}, {0xD0, U'Ğ'},
        {0xD6, U'Ö'}, {0xDC, U'Ü'}, {0xDD, U'İ'}, {0xDE, U'Ş'}, {0xE7, U'ç'}, {0xF0, U'ğ'},
        {0xF6, U'ö'}, {0xFC, U'ü'}, {0xFD, U'ı'}, {0xFE, U'ş'}, {0xFF, U'ÿ'}, {0x41, U'A'},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp1254ToUnicode(c.byte), c.ch) << int(c.byte);
        EXPECT_EQ(unicodeToCp1254(c.ch), c.byte) << int(c.byte);
    }
}

TEST(Cp1254, UnencodableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(encodeCp1254("Ali ✓ 日本 😀"), "Ali ? ?? ?");
    EXPECT_EQ(encodeCp1254("\xC3"), "?"); // torn UTF-8 sequence
    EXPECT_FALSE(fitsCp1254("şifre✓"));
    EXPECT_TRUE(fitsCp1254("ŞİFRE çğıöşü"));
    // Latin letters the code page does not have (ð, ý, þ are Turkish letters' places).
    EXPECT_EQ(encodeCp1254("ðýþ"), "???");
}

TEST(Cp1254, TurkishTextIsOneBytePerLetter) {
    const std::string text = "çğıİöşüÇĞIÖŞÜ";
    EXPECT_EQ(encodeCp1254(text), "\xE7\xF0\xFD\xDD\xF6\xFE\xFC\xC7\xD0I\xD6\xDE\xDC");
    EXPECT_EQ(decodeCp1254(encodeCp1254(text)), text);
}

// Field-sized and longer texts decode alike, Turkish letters anywhere among plain ones and up to
// a last character of three UTF-8 bytes.
TEST(Cp1254, DecodesTextsOfEveryLength) {
    for (std::size_t length : {0u, 1u, 7u, 8u, 9u, 339u, 340u, 341u, 5000u}) {
        std::string euros;
        std::string shins;
        for (std::size_t i = 0; i < length; ++i) {
            euros += "€";
            shins += "ş";
        }
        EXPECT_EQ(decodeCp1254(std::string(length, '\x80')), euros) << length;
        EXPECT_EQ(decodeCp1254(std::string(length, '\xFE') + "A"), shins + "A") << length;
        const std::string plain(length, 'a');
        EXPECT_EQ(decodeCp1254(plain + "\xFE" + std::string(9, ' ') + "\x80"),
                  plain + "ş" + std::string(9, ' ') + "€")
            << length;
    }
}

TEST(Cp1254, MalformedUtf8DecodesToReplacementCharacters) {
    struct Case {
        std::string bytes;
        std::u32string decoded;
    };
    for (const auto& [bytes, decoded] : std::vector<Case>{
             {"a\xC0\x80z", U"a\uFFFD\uFFFDz"},       // overlong NUL
             {"\xE0\x80\xAF", U"\uFFFD\uFFFD\uFFFD"}, // overlong "/"
             {"\xF0\x82\x82\xAC", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
             {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},           // surrogate D800
             {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"}, // past U+10FFFF
             {"\xF5\xFF", U"\uFFFD\uFFFD"},
             {"\xC2\x80\xED\x9F\xBF\xF4\x8F\xBF\xBF", U"\u0080\uD7FF\U0010FFFF"},
         }) {
        EXPECT_EQ(utf8ToUtf32(bytes), decoded);
    }
    EXPECT_EQ(encodeCp1254("a\xC0\x80z"), "a??z"); // never a NUL byte in a record
}

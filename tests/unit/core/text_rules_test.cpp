#include "core/text_rules.h"

#include <gtest/gtest.h>

using namespace marunda;

namespace {

std::string padded(const std::string& text, std::size_t blanks) {
    return text + std::string(blanks, ' ');
}

struct CopyCase {
    const char* what;
    std::string shown;
    Field field;
    std::string copied;
};

} // namespace

TEST(BlankRunCopy, CutsAtTheFirstRunOfFiveBlanksOrTheFieldWidth) {
    const std::string fifty(50, 'x');
    const std::string note340 = std::string(170, 'a') + std::string(170, 'b');
    const std::string turkish50 = [] {
        std::string text;
        for (int i = 0; i < 25; ++i) {
            text += "ğİ";
        }
        return text;
    }();
    const CopyCase cases[] = {
        {"stored name", padded("Ali Veli", 42), Field::name, "Ali Veli"},
        {"run inside the value", "Ali     Veli" + std::string(38, ' '), Field::name, "Ali"},
        {"four blanks inside", padded("Ali    Veli", 39), Field::name, "Ali    Veli"},
        {"Turkish letters count once", padded("Ayşe Yılmaz", 39), Field::name, "Ayşe Yılmaz"},
        {"full width", fifty, Field::name, fifty},
        {"46 letters, 4 blanks", padded(std::string(46, 'y'), 4), Field::name,
         padded(std::string(46, 'y'), 4)},
        {"longer than the field", fifty + "zzz", Field::name, fifty},
        {"Turkish full width", turkish50 + "ş", Field::name, turkish50},
        {"short, no blanks", "Ali", Field::name, "Ali"},
        {"four trailing blanks kept", "Ali    ", Field::name, "Ali    "},
        {"all blanks", std::string(50, ' '), Field::name, ""},
        {"empty", "", Field::name, ""},
        {"phone keeps its inner blanks", padded("555 12 12", 21), Field::phone1, "555 12 12"},
        {"address stops at the run", padded("Atatürk Cad.     No 5", 179), Field::address,
         "Atatürk Cad."},
        {"full note", note340, Field::notes, note340},
        {"400-character note", note340 + std::string(60, 'c'), Field::notes, note340},
        {"line breaks are not blanks", "Cad. 5\n     Kat 2", Field::address, "Cad. 5\n"},
        {"ICQ stops at one blank", padded("12345 67", 2), Field::icq1, "12345"},
        {"ICQ full width", "1234567890", Field::icq2, "1234567890"},
        {"ICQ longer", "123456789012", Field::icq2, "1234567890"},
        {"ICQ leading blank", " 123", Field::icq1, ""},
        {"e-mail", padded("ali@example.com", 25), Field::email1, "ali@example.com"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(blankRunCopy(c.shown, c.field), c.copied) << c.what;
    }
}

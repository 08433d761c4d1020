#include "converter/contact_record16.h"
#include "core/cp1254.h"

#include <gtest/gtest.h>

using namespace marunda;
using namespace marunda::converter;

namespace {

std::string padded(const std::string& cp1254, std::size_t width) {
    return cp1254 + std::string(width - cp1254.size(), ' ');
}

} // namespace

TEST(ContactRecord16, ConvertsEveryFieldToItsPlaceIn17) {
    // Turkish letters in every field: one byte each, at the same place in both layouts.
    const std::vector<std::pair<Field, std::string>> fields = {
        {Field::name, "Çiğdem Şükrü Öztürk"},
        {Field::phone1, "0212 555 11 22"},
        {Field::phone2, "0532 İş"},
        {Field::phone3, "Ev ığ"},
        {Field::fax, "Faks ş"},
        {Field::address, "Bağdat Cad. Göztepe İstanbul"},
        {Field::birthday, "7/12/1970"},
    };
    std::string notes;
    for (int i = 0; i < 40; ++i) {
        notes += std::string("Ünlü ışık") + static_cast<char>('0' + i % 10); // 10 letters
    }
    ContactRecord16 old;
    for (const auto& [field, text] : fields) {
        old.setText(field, text);
    }
    old.setText(Field::notes, notes);
    const auto notesBytes = encodeCp1254(notes);
    ASSERT_EQ(notesBytes.size(), 400u);
    ASSERT_EQ(old.fieldBytes(Field::notes), notesBytes);

    std::string expected;
    for (const auto& [field, text] : fields) {
        expected += padded(encodeCp1254(text), fieldWidth(field));
    }
    expected += notesBytes.substr(0, 340);
    expected += std::string(3 * 40 + 2 * 10 + 3 * 50, ' ');
    ASSERT_EQ(expected.size(), kRecordSize);

    EXPECT_EQ(old.toContactRecord().bytes(), expected);
    std::string appended = "önce";
    appendConverted(old.bytes(), appended);
    EXPECT_EQ(appended, "önce" + expected);
}

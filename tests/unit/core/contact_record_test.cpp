#include "core/contact_record.h"

#include <gtest/gtest.h>

using namespace marunda;

TEST(ContactRecord, LayoutTilesTheRecordWithoutGaps) {
    std::size_t next = 0;
    for (const auto& layout : kFieldLayout) {
        EXPECT_EQ(layout.offset, next);
        next += layout.width;
    }
    EXPECT_EQ(next, kRecordSize);
    EXPECT_EQ(layoutOf(Field::birthday).offset, 370u);
    EXPECT_EQ(layoutOf(Field::icq2).offset, 860u);
    EXPECT_EQ(layoutOf(Field::taxNumber).offset, 970u);
}

TEST(ContactRecord, FieldsAreCutOrPaddedAtTheirOffsets) {
    ContactRecord record;
    record.setText(Field::name, "Ali");
    record.setText(Field::phone1, std::string(60, '5'));
    record.setText(Field::notes, "Not");
    record.setText(Field::taxNumber, "1234567890");

    const auto bytes = record.bytes();
    ASSERT_EQ(bytes.size(), 1020u);
    EXPECT_EQ(bytes.substr(0, 50), "Ali" + std::string(47, ' '));
    EXPECT_EQ(bytes.substr(50, 30), std::string(30, '5'));
    EXPECT_EQ(bytes.substr(80, 310), std::string(310, ' '));
    EXPECT_EQ(bytes.substr(390, 340), "Not" + std::string(337, ' '));
    EXPECT_EQ(bytes.substr(970, 50), "1234567890" + std::string(40, ' '));
    EXPECT_EQ(record.text(Field::name), "Ali" + std::string(47, ' '));
}

TEST(ContactRecord, TurkishLettersTakeOneByteEach) {
    std::string fifty;
    for (int i = 0; i < 10; ++i) {
        fifty += "çğışü";
    }
    ContactRecord record;
    record.setText(Field::name, fifty + "ÖÖÖ");
    EXPECT_EQ(record.fieldBytes(Field::name).size(), 50u);
    EXPECT_EQ(record.text(Field::name), fifty);
    EXPECT_EQ(record.fieldBytes(Field::phone1), std::string(30, ' '));
}

TEST(ContactRecord, ShortOrLongByteBlocksBecomeWholeRecords) {
    const auto shortRecord = ContactRecord::fromBytes("Veli");
    EXPECT_EQ(shortRecord.text(Field::name), "Veli" + std::string(46, ' '));
    EXPECT_EQ(shortRecord.fieldBytes(Field::taxNumber), std::string(50, ' '));
    const auto longRecord = ContactRecord::fromBytes(std::string(1500, 'x'));
    EXPECT_EQ(longRecord.bytes(), std::string(1020, 'x'));
    EXPECT_EQ(ContactRecord{}.bytes(), std::string(1020, ' '));
}

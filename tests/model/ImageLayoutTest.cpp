#include <gtest/gtest.h>

#include <cstring>

#include "model/ActionRecord.h"
#include "model/ButtonName.h"
#include "model/ButtonSetting.h"

namespace q5 {
namespace {

const std::uint8_t* Bytes(const ButtonSetting& image) {
    return image.data();
}

TEST(ActionRecordLayout, FieldsSitAtTheirOffsets) {
    ActionRecord record;
    record.setCode(ActionCode::CombinationKeys);
    record.setMacroNumber(7);
    record.setCombination({0x03, 0x41, 0x42});
    record.setPath(u"C:\\x");

    const std::uint8_t expected[] = {0x00, 19, 7,    0x03, 0x41, 0x42, 'C', 0,
                                     ':',  0,  '\\', 0,    'x',  0,    0,   0};
    EXPECT_EQ(0, std::memcmp(record.bytes.data(), expected, sizeof expected));
}

TEST(ActionRecordLayout, PathIsCutTo259UnitsAndTerminated) {
    ActionRecord record;
    record.bytes.fill(0xEE);
    record.setPath(std::u16string(400, u'a'));

    EXPECT_EQ(record.path(), std::u16string(259, u'a'));
    EXPECT_EQ(record.bytes[6 + 2 * 259], 0);
    EXPECT_EQ(record.bytes[6 + 2 * 259 + 1], 0);
}

TEST(ActionRecordLayout, PathNeverEndsInHalfASurrogatePair) {
    ActionRecord record;
    std::u16string text(258, u'a');
    text += u"\U0001F600";  // lands on units 258 and 259: only the high half would fit
    record.setPath(text);
    EXPECT_EQ(record.path(), std::u16string(258, u'a'));
}

TEST(ActionRecordLayout, PathWithoutTerminatorReadsTheWholeField) {
    ActionRecord record;
    for (std::size_t i = 6; i < ActionRecord::kSize; i += 2) {
        record.bytes[i] = 'z';
    }
    EXPECT_EQ(record.path(), std::u16string(260, u'z'));
}

TEST(ButtonSettingLayout, SlotsAndExtraRecordsSitAtTheirOffsets) {
    ButtonSetting image;
    image.slot(0).setCode(ActionCode::Macro);
    image.slot(12).setMacroNumber(42);
    image.extra[19].setCode(ActionCode::Cut);

    EXPECT_EQ(Bytes(image)[16 + 1], 20);
    EXPECT_EQ(Bytes(image)[16 + 526 * 12 + 2], 42);
    EXPECT_EQ(Bytes(image)[6854 + 526 * 19 + 1], 64);
}

TEST(ButtonSettingLayout, ExtraCountIsLittleEndianAndCappedAt20) {
    ButtonSetting image;
    image.extraCountBytes = {0x05, 0x00, 0x00, 0x00};
    EXPECT_EQ(image.extraCount(), 5u);

    image.extraCountBytes = {0x15, 0x00, 0x00, 0x00};
    EXPECT_EQ(image.storedExtraCount(), 21u);
    EXPECT_EQ(image.extraCount(), 20u);

    image.extraCountBytes = {0x00, 0x00, 0x00, 0x01};
    EXPECT_EQ(image.storedExtraCount(), 0x01000000u);
    EXPECT_EQ(image.extraCount(), 20u);
}

TEST(ButtonSettingLayout, FactoryImageHoldsOnlyTheCodes) {
    const ButtonSetting image = ButtonSetting::Factory();
    const std::uint8_t codes[] = {1, 2, 3, 9, 10, 37, 163, 89, 88, 33, 85, 5, 4};
    for (std::size_t i = 0; i < ButtonSetting::kSize; ++i) {
        const bool isCodeByte = i >= 16 && i < 6854 && (i - 16) % 526 == 1;
        const std::uint8_t expected = isCodeByte ? codes[(i - 16) / 526] : 0;
        ASSERT_EQ(Bytes(image)[i], expected) << "byte " << i;
    }
}

TEST(ButtonSettingLayout, UninterpretedBytesSurviveEditing) {
    ButtonSetting image;
    for (std::size_t i = 0; i < ButtonSetting::kSize; ++i) {
        image.data()[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    const ButtonSetting before = image;
    image.slot(4).setCode(ActionCode::Copy);

    for (std::size_t i = 0; i < ButtonSetting::kSize; ++i) {
        if (i == 16 + 526 * 4 + 1) {
            EXPECT_EQ(image.data()[i], 65);
        } else {
            ASSERT_EQ(image.data()[i], before.data()[i]) << "byte " << i;
        }
    }
}

TEST(ButtonNameLayout, NamesSitAtTheirOffsetsAndLeaveTheRestAlone) {
    ButtonName image;
    image.reservedTail.fill(0x5A);
    image.entries[3].unused.fill(0x11);
    image.setName(3, u"Copy");

    const std::uint8_t* bytes = image.data();
    const std::size_t at = 36 + 540 * 3;
    const std::uint8_t expected[] = {'C', 0, 'o', 0, 'p', 0, 'y', 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(bytes + at, expected, sizeof expected));
    EXPECT_EQ(bytes[at + 520], 0x11);
    EXPECT_EQ(bytes[7056], 0x5A);
    EXPECT_EQ(bytes[ButtonName::kSize - 1], 0x5A);
    EXPECT_EQ(image.name(3), u"Copy");
    EXPECT_EQ(image.name(4), u"");
}

TEST(ButtonNameLayout, LongNamesAreCutTo259Characters) {
    ButtonName image;
    image.setName(12, std::u16string(300, u'n'));
    EXPECT_EQ(image.name(12), std::u16string(259, u'n'));
}

}  // namespace
}  // namespace q5

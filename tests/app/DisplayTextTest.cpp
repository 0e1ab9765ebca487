#include "app/DisplayText.h"

#include <gtest/gtest.h>

#include "AppTestSupport.h"

namespace q5 {
namespace {

class DisplayTextTest : public ::testing::Test {
protected:
    sim::SimPlatform desktop;
    MacroTable macros;
    DisplayText text{test::LabelTexts(), macros, desktop.input};
    ActionRecord record;
};

TEST_F(DisplayTextTest, LabelledCodesShowTheirLanguageText) {
    EXPECT_EQ(text(1, record), u"Left click");
    EXPECT_EQ(text(65, record), u"Copy");
    EXPECT_EQ(text(163, record), u"Switch");
    EXPECT_EQ(text.Label(ActionCode::KeyDisabled), u"Key off");
}

TEST_F(DisplayTextTest, CodesWithoutLabelOrAbove163AreEmpty) {
    // 164 is performed, but has no name in the window.
    EXPECT_EQ(text(164, record), u"");
    EXPECT_EQ(text(255, record), u"");
    EXPECT_EQ(text(0, record), u"");
    EXPECT_EQ(text(18, record), u"");
    EXPECT_EQ(text(22, record), u"");  // a sub-menu heading
    EXPECT_EQ(text(25, record), u"");
}

TEST_F(DisplayTextTest, CombinationIsNamedFromTheRecordBytes) {
    record.setCombination({0x03, 0x41, 0});
    EXPECT_EQ(text(19, record), u"Ctrl+Shift+A");
    record.setCombination({0, 0, 0});
    EXPECT_EQ(text(19, record), u"");
}

TEST_F(DisplayTextTest, MacroIsNamedByItsNumber) {
    macros.macros[2].setName(u"Sign letter");
    record.setMacroNumber(2);
    EXPECT_EQ(text(20, record), u"Sign letter");
    record.setMacroNumber(99);  // no macro slot: no name, no fault
    EXPECT_EQ(text(20, record), u"");
}

TEST_F(DisplayTextTest, EmptyLanguageGivesEmptyTexts) {
    DisplayText bare(nullptr, macros, desktop.input);
    EXPECT_EQ(bare(1, record), u"");
}

}  // namespace
}  // namespace q5

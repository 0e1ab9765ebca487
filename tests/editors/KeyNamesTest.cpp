#include "editors/KeyNames.h"

#include <gtest/gtest.h>

#include "platform/sim/SimPlatform.h"

namespace q5 {
namespace {

class KeyNamesTest : public ::testing::Test {
protected:
    std::u16string Text(std::uint8_t mask, std::uint8_t first, std::uint8_t second) {
        return CombinationText(desktop.input, mask, first, second);
    }
    sim::SimPlatform desktop;
};

TEST_F(KeyNamesTest, CombinationTexts) {
    EXPECT_EQ(Text(0x03, 0x41, 0), u"Ctrl+Shift+A");
    EXPECT_EQ(Text(0x0F, 0x70, 0x2E), u"Ctrl+Alt+Shift+Win+F1+Delete");
    EXPECT_EQ(Text(0, 0x60, 0), u"(0)");
    EXPECT_EQ(Text(0, 0, 0x41), u"A");
    EXPECT_EQ(Text(0x01, 0xFF, 0x41), u"Ctrl++A");
    EXPECT_EQ(Text(0x10, 0, 0), u"");
    EXPECT_EQ(Text(0xF4, 0, 0), u"Alt");
    EXPECT_EQ(Text(0, 0xFF, 0x41), u"A");
    EXPECT_EQ(Text(0x08, 0xBA, 0xDE), u"Win+;+'");
}

TEST_F(KeyNamesTest, FixedNames) {
    Input& input = desktop.input;
    EXPECT_EQ(KeyName(input, 0x2B), u"Enter");
    EXPECT_EQ(KeyName(input, 0x0D), u"Enter");
    EXPECT_EQ(KeyName(input, 0x6C), u"\\");
    EXPECT_EQ(KeyName(input, 0x69), u"(9)");
    EXPECT_EQ(KeyName(input, 0x7B), u"F12");
    EXPECT_EQ(KeyName(input, 0x91), u"Scroll Lock");
    EXPECT_EQ(KeyName(input, 0xA5), u"RAlt");
    EXPECT_EQ(KeyName(input, 0xC1), u"LButton");
    EXPECT_EQ(KeyName(input, 0xC3), u"MButton");
    EXPECT_EQ(KeyName(input, 0x00), u"");
    EXPECT_EQ(KeyName(input, 0xFF), u"");
}

TEST_F(KeyNamesTest, OtherKeysAreNamedByTheLayout) {
    Input& input = desktop.input;
    EXPECT_EQ(KeyName(input, 'A'), u"A");
    EXPECT_EQ(KeyName(input, 'Z'), u"Z");
    EXPECT_EQ(KeyName(input, '7'), u"7");
    EXPECT_EQ(KeyName(input, 0xBA), u";");
    EXPECT_EQ(KeyName(input, 0xBF), u"/");
    EXPECT_EQ(KeyName(input, 0xC0), u"`");
    // No character on the layout: an empty name.
    EXPECT_EQ(KeyName(input, 0x7C), u"");
    EXPECT_EQ(KeyName(input, 0xB3), u"");
}

TEST_F(KeyNamesTest, DeadKeysAreNamedByTheirAccent) {
    desktop.input.SetLayout(sim::SimLayoutVariant::UnitedStatesInternational);
    Input& input = desktop.input;
    std::uint16_t accent = 0;
    ASSERT_EQ(-1, input.ToAscii(0xDE, 0x28, KeyState{}, accent, 0));
    EXPECT_EQ(KeyName(input, 0xDE), u"'");
    EXPECT_EQ(KeyName(input, 0xC0), u"`");
    EXPECT_EQ(ComboKeyName(input, 0xDE), u"'");
    EXPECT_EQ(CombinationText(input, 0x02, 0xC0, 'E'), u"Shift+`+E");
    // The other keys of the layout are unchanged.
    EXPECT_EQ(KeyName(input, 0xBA), u";");
    EXPECT_EQ(KeyName(input, 'Q'), u"Q");
}

TEST_F(KeyNamesTest, DialogNamesUseTheLayoutForLowCodesAndMouseButtons) {
    Input& input = desktop.input;
    EXPECT_EQ(ComboKeyName(input, 0xC1), u"");
    EXPECT_EQ(ComboKeyName(input, 0x03), u"");
    EXPECT_EQ(ComboKeyName(input, 0xFF), u"");
    EXPECT_EQ(ComboKeyName(input, 0x11), u"Ctrl");
    EXPECT_EQ(ComboKeyName(input, 'Q'), u"Q");
    EXPECT_EQ(ComboCombinationText(input, 0x01, 0xC2, 'V'), u"Ctrl++V");
}

}  // namespace
}  // namespace q5

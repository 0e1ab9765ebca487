#include <gtest/gtest.h>

#include "ui/ButtonLook.h"

namespace q5 {
namespace {

// The colours the information dialog gives its OK and Cancel buttons.
const CaptionColors kInfoColors{Rgb(255, 255, 255), Rgb(83, 97, 103), Rgb(255, 255, 255)};
const CaptionColors kDefaultColors{};

TEST(ButtonLook, DefaultColoursAreTheButtonsOwn) {
    EXPECT_EQ(0xC8C8C8u, kDefaultColors.hover);
    EXPECT_EQ(0x6B5C53u, kDefaultColors.normal);
    EXPECT_EQ(0xFAFAFAu, kDefaultColors.pressed);
}

TEST(ButtonLook, RestShowsTheNormalImageInTheNormalColour) {
    EXPECT_EQ((ButtonLook{StateImage::Normal, 0x6B5C53, false}),
              ChooseButtonLook({}, kDefaultColors));
}

TEST(ButtonLook, HoverShowsTheHoverImage) {
    ButtonState state;
    state.hovering = true;
    EXPECT_EQ((ButtonLook{StateImage::Hover, 0xC8C8C8, false}),
              ChooseButtonLook(state, kDefaultColors));
}

TEST(ButtonLook, HeldDownShowsThePressedImageShifted) {
    ButtonState state;
    state.selected = true;
    state.hovering = true;
    EXPECT_EQ((ButtonLook{StateImage::Pressed, 0xFAFAFA, true}),
              ChooseButtonLook(state, kDefaultColors));
}

TEST(ButtonLook, LatchedWinsOverHoverAndDisabled) {
    ButtonState state;
    state.latched = true;
    state.hovering = true;
    state.disabled = true;
    EXPECT_EQ((ButtonLook{StateImage::Pressed, 0xFAFAFA, true}),
              ChooseButtonLook(state, kDefaultColors));
}

TEST(ButtonLook, DisabledUsesTheNormalColour) {
    ButtonState state;
    state.disabled = true;
    EXPECT_EQ((ButtonLook{StateImage::Disabled, 0x6B5C53, false}),
              ChooseButtonLook(state, kDefaultColors));
}

TEST(ButtonLook, HoveringBeatsDisabled) {
    ButtonState state;
    state.disabled = true;
    state.hovering = true;
    EXPECT_EQ(StateImage::Hover, ChooseButtonLook(state, kDefaultColors).image);
}

TEST(ButtonLook, HoverColourEqualToPressedColourShiftsTheCaptionToo) {
    ButtonState state;
    state.hovering = true;
    const ButtonLook look = ChooseButtonLook(state, kInfoColors);
    EXPECT_EQ(StateImage::Hover, look.image);
    EXPECT_EQ(0xFFFFFFu, look.textColor);
    EXPECT_TRUE(look.pressedLook);
}

TEST(ButtonLook, NormalColourEqualToPressedColourShiftsAtRest) {
    const CaptionColors same{1, 7, 7};
    EXPECT_TRUE(ChooseButtonLook({}, same).pressedLook);
}

TEST(CaptionRect, NormalLookCentresTheLineWithMargins) {
    // OK button of the information dialog: 45 x 20, text 14 high.
    EXPECT_EQ((Rect{8, 3, 40, 20}), CaptionRect({0, 0, 45, 20}, 14, {0, 0}, false));
}

TEST(CaptionRect, PressedLookMovesOnePixelRightAndDown) {
    const Rect normal = CaptionRect({0, 0, 104, 23}, 13, {0, 0}, false);
    const Rect pressed = CaptionRect({0, 0, 104, 23}, 13, {0, 0}, true);
    EXPECT_EQ((Rect{8, 5, 99, 23}), normal);
    EXPECT_EQ((Rect{9, 6, 100, 24}), pressed);
}

TEST(CaptionRect, OffsetsMoveLeftAndTopOnly) {
    EXPECT_EQ((Rect{11, 1, 99, 23}), CaptionRect({0, 0, 104, 23}, 13, {3, -4}, false));
}

TEST(CaptionRect, HalvesAreIntegerDivisions) {
    // (21 - 0) / 2 = 10 and 15 / 2 = 7: top 3.
    EXPECT_EQ(3, CaptionRect({0, 0, 50, 21}, 15, {0, 0}, false).top);
}

TEST(CaptionRect, TopIgnoresTheClientTopOffset) {
    // The vertical centre is taken from the height alone.
    EXPECT_EQ(5, CaptionRect({0, 10, 50, 33}, 13, {0, 0}, false).top);
}

}  // namespace
}  // namespace q5

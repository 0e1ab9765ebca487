#include "app/GesturePadModel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "model/GestureDispatcher.h"
#include "model/GestureSlots.h"

namespace q5 {
namespace {

using ::testing::ElementsAre;

TextLookup Texts(std::map<std::string, std::u16string, std::less<>> texts) {
    return [texts = std::move(texts)](std::string_view key) {
        const auto found = texts.find(key);
        return found == texts.end() ? std::u16string() : found->second;
    };
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST(GesturePadModel, OneButtonPerSlotFiringItsDriverEventThenTheZooms) {
    const GesturePadModel model(Texts({}));
    const auto& buttons = model.buttons();
    ASSERT_EQ(buttons.size(), 16u);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto& codes = buttons[static_cast<std::size_t>(slot)].codes;
        ASSERT_EQ(codes.size(), 1u);
        EXPECT_EQ(SlotOfGesture(*GestureOfEvent(codes[0])), slot);
    }
    EXPECT_THAT(buttons[13].codes, ElementsAre(0x80000001));
    EXPECT_THAT(buttons[14].codes, ElementsAre(0x80000001, 0x00000101));
    EXPECT_THAT(buttons[15].codes, ElementsAre(0x80000001, 0x000001FF));
}

TEST(GesturePadModel, LabelsComeFromTheLanguageTable) {
    const GesturePadModel model(Texts({{"tc_singleleftclk", u"Linksklick"},
                                       {"tc_dblscrollright", u"Zwei Finger rechts"},
                                       {"tc_win8_zoomin", u"Vergrößern"}}));
    EXPECT_EQ(model.buttons()[0].label, u"Linksklick");
    EXPECT_EQ(model.buttons()[12].label, u"Zwei Finger rechts");
    EXPECT_EQ(model.buttons()[14].label, u"Vergrößern");
}

TEST(GesturePadModel, EmptyTextsFallBackToReadableNames) {
    const GesturePadModel model(Texts({{"tc_singleleftclk", u""}}));
    EXPECT_EQ(model.buttons()[0].label, u"One-finger left click");
    EXPECT_EQ(model.buttons()[7].label, u"Swipe from right edge");
    EXPECT_EQ(model.buttons()[13].label, u"Zoom mark");
    EXPECT_EQ(model.buttons()[15].label, u"Zoom out");
    for (const auto& button : model.buttons()) {
        EXPECT_FALSE(button.label.empty());
    }
}

TEST(GesturePadModel, ButtonsAndStatusLineLieApartInsideThePad) {
    const GesturePadModel model(Texts({}));
    const PadSize size = model.clientSize();
    const Rect client{0, 0, size.width, size.height};
    std::vector<Rect> rects;
    for (const auto& button : model.buttons()) {
        rects.push_back(button.rect);
    }
    rects.push_back(model.statusRect());
    for (std::size_t i = 0; i < rects.size(); ++i) {
        EXPECT_TRUE(Inside(rects[i], client)) << i;
        EXPECT_GT(rects[i].right - rects[i].left, 100) << i;
        for (std::size_t j = i + 1; j < rects.size(); ++j) {
            EXPECT_FALSE(Overlap(rects[i], rects[j])) << i << " and " << j;
        }
    }
    // Two columns in slot order: slot 1 beside slot 0, slot 2 below it.
    EXPECT_EQ(model.buttons()[1].rect.top, model.buttons()[0].rect.top);
    EXPECT_GT(model.buttons()[1].rect.left, model.buttons()[0].rect.right);
    EXPECT_GT(model.buttons()[2].rect.top, model.buttons()[0].rect.bottom);
    EXPECT_GT(model.statusRect().top, model.buttons().back().rect.bottom);
}

TEST(GesturePadModel, StatusNamesTheEventAndTheReceiversAnswer) {
    const GesturePadModel model(Texts({{"tc_dblscrollup", u"Two fingers up"}}));
    EXPECT_EQ(model.StatusText(0x80000008, true),
              u"Two fingers up (0x80000008): taken by the receiver");
    EXPECT_EQ(model.StatusText(0x80000001, false),
              u"Zoom mark (0x80000001): refused by the receiver");
    EXPECT_EQ(model.StatusText(0x00000201, true),
              u"0x00000201 (0x00000201): taken by the receiver");
}

constexpr Rect kScreen{0, 0, 1280, 1000};
constexpr PadSize kPad{380, 300};

TEST(PlaceBeside, RightOfTheOwnerWithTopsAligned) {
    EXPECT_EQ(PlaceBeside({100, 50, 778, 519}, kPad, kScreen), (Rect{786, 50, 1166, 350}));
}

TEST(PlaceBeside, LeftOfTheOwnerWhenTheRightSideIsTooNarrow) {
    EXPECT_EQ(PlaceBeside({500, 50, 1178, 519}, kPad, kScreen), (Rect{112, 50, 492, 350}));
}

TEST(PlaceBeside, KeptWholeOnTheWorkArea) {
    // The owner is low on the screen: the pad moves up to stay whole.
    EXPECT_EQ(PlaceBeside({100, 900, 778, 1369}, kPad, kScreen), (Rect{786, 700, 1166, 1000}));
    // The owner is above the screen.
    EXPECT_EQ(PlaceBeside({100, -300, 778, 169}, kPad, {0, 40, 1280, 1000}).top, 40);
}

TEST(PlaceBeside, BelowTheOwnerWhenNeitherSideHasRoom) {
    // Centred and wide: the pad goes under it, left edges aligned.
    EXPECT_EQ(PlaceBeside({200, 50, 1100, 519}, kPad, kScreen), (Rect{200, 527, 580, 827}));
}

TEST(PlaceBeside, AboveTheOwnerWhenBelowHasNoRoomEither) {
    EXPECT_EQ(PlaceBeside({200, 600, 1100, 1000}, kPad, kScreen), (Rect{200, 292, 580, 592}));
}

TEST(PlaceBeside, OverTheOwnerOnlyWhenNoSideHasRoomAndThenOverTheLeast) {
    // Corners on the left cover least (180 x 200); the lower one comes first.
    EXPECT_EQ(PlaceBeside({200, 100, 1100, 900}, kPad, kScreen), (Rect{0, 700, 380, 1000}));
    // The main window centred on a 1280 x 1024 screen: the pad takes the
    // bottom-left corner and covers 79 x 22 of it, not a strip of its right
    // side with the caption buttons.
    const Rect screen{0, 0, 1280, 1024};
    const Rect owner{301, 277, 979, 746};
    EXPECT_EQ(PlaceBeside(owner, kPad, screen), (Rect{0, 724, 380, 1024}));
    // Tall and narrow: beside it on the right still covers least.
    EXPECT_EQ(PlaceBeside({0, 0, 1000, 1000}, {300, 1000}, {0, 0, 1200, 1000}),
              (Rect{900, 0, 1200, 1000}));
}

}  // namespace
}  // namespace q5

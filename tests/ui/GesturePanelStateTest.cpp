#include <gtest/gtest.h>

#include "ui/GesturePanelState.h"

namespace q5 {
namespace {

using SlotView = GesturePanelState::SlotView;

const SlotView kPlain{true, false, true, 0};
const SlotView kFramed{true, false, true, 1};
const SlotView kFaded{false, true, true, 0};
const SlotView kHidden{false, false, false, 0};

// The expected view of every slot, written as one line per slot.
void ExpectViews(const GesturePanelState& panel, const std::array<SlotView, kSlotCount>& expected) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const SlotView& view = panel.Slot(slot);
        const SlotView& want = expected[static_cast<std::size_t>(slot)];
        EXPECT_EQ(want.picture, view.picture) << "slot " << slot;
        EXPECT_EQ(want.faded, view.faded) << "slot " << slot;
        EXPECT_EQ(want.label, view.label) << "slot " << slot;
        EXPECT_EQ(want.latched, view.latched) << "slot " << slot;
    }
}

std::array<SlotView, kSlotCount> PageZeroWith(int framedSlot) {
    std::array<SlotView, kSlotCount> views;
    views.fill(kHidden);
    for (int slot = 0; slot < 7; ++slot) {
        views[static_cast<std::size_t>(slot)] =
            framedSlot < 0 ? kPlain : (slot == framedSlot ? kFramed : kFaded);
    }
    return views;
}

std::bitset<kSlotCount> Slots(std::initializer_list<int> slots) {
    std::bitset<kSlotCount> set;
    for (int slot : slots) {
        set.set(static_cast<std::size_t>(slot));
    }
    return set;
}

TEST(GesturePanelState, StartsOnPageZeroWithNothingLatchedOrFaded) {
    GesturePanelState panel;
    EXPECT_EQ(0, panel.CurrentPage());
    ExpectViews(panel, PageZeroWith(-1));
}

TEST(GesturePanelState, ClickOnSlotThreeWithNothingSelectedFramesItAndFadesTheRest) {
    GesturePanelState panel;
    const auto click = panel.Click(3);
    ASSERT_TRUE(click);
    EXPECT_EQ((GesturePanelState::Notification{3, 0}), click->notification);
    ExpectViews(panel, PageZeroWith(3));
    EXPECT_EQ(Slots({0, 1, 2, 4, 5, 6}), click->update.shown);
    EXPECT_EQ(Slots({3}), click->update.latched);
}

TEST(GesturePanelState, SecondClickDeselectsAndReturnsEveryPictureToNormal) {
    GesturePanelState panel;
    panel.Click(3);
    const auto click = panel.Click(3);
    ASSERT_TRUE(click);
    EXPECT_EQ((GesturePanelState::Notification{3, 1}), click->notification);
    ExpectViews(panel, PageZeroWith(-1));
    EXPECT_EQ(Slots({0, 1, 2, 4, 5, 6}), click->update.shown);
    EXPECT_EQ(Slots({3}), click->update.latched);
}

TEST(GesturePanelState, ClickOnAFadedPictureMovesTheSelection) {
    GesturePanelState panel;
    panel.Click(3);
    const auto click = panel.Click(5);
    ASSERT_TRUE(click);
    EXPECT_EQ((GesturePanelState::Notification{5, 0}), click->notification);
    ExpectViews(panel, PageZeroWith(5));
    // Only the two slots that swapped looks are touched.
    EXPECT_EQ(Slots({3, 5}), click->update.shown);
    EXPECT_EQ(Slots({3, 5}), click->update.latched);
}

TEST(GesturePanelState, PageOneWhileSlotThreeIsSelectedClearsEverything) {
    GesturePanelState panel;
    panel.Click(3);
    const auto update = panel.ShowPage(1);
    EXPECT_EQ(1, panel.CurrentPage());
    std::array<SlotView, kSlotCount> expected;
    expected.fill(kHidden);
    for (int slot = 7; slot < kSlotCount; ++slot) {
        expected[static_cast<std::size_t>(slot)] = kPlain;
    }
    ExpectViews(panel, expected);
    EXPECT_EQ(Slots({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), update.shown);
    EXPECT_EQ(Slots({3}), update.latched);
}

TEST(GesturePanelState, SlotThirteenChangesNothing) {
    GesturePanelState panel;
    panel.Click(2);
    EXPECT_TRUE(panel.SelectSlot(13, 1).Empty());
    EXPECT_TRUE(panel.SelectSlot(-1, 1).Empty());
    EXPECT_FALSE(panel.Click(13));
    EXPECT_FALSE(panel.Click(-1));
    ExpectViews(panel, PageZeroWith(2));
}

TEST(GesturePanelState, UnknownPageIsIgnored) {
    GesturePanelState panel;
    panel.Click(4);
    EXPECT_TRUE(panel.ShowPage(2).Empty());
    EXPECT_TRUE(panel.ShowPage(-1).Empty());
    EXPECT_EQ(0, panel.CurrentPage());
    ExpectViews(panel, PageZeroWith(4));
}

TEST(GesturePanelState, SelectingTheSelectedSlotAgainChangesNothing) {
    GesturePanelState panel;
    panel.SelectSlot(6, 1);
    EXPECT_TRUE(panel.SelectSlot(6, 1).Empty());
    ExpectViews(panel, PageZeroWith(6));
}

TEST(GesturePanelState, DeselectOfAnyPageSlotShowsThePagePlain) {
    GesturePanelState panel;
    panel.SelectSlot(1, 1);
    const auto update = panel.SelectSlot(4, 0);
    ExpectViews(panel, PageZeroWith(-1));
    EXPECT_EQ(Slots({1}), update.latched);
}

TEST(GesturePanelState, TurningToTheSamePageClearsTheSelection) {
    GesturePanelState panel;
    panel.SelectSlot(0, 1);
    const auto update = panel.ShowPage(0);
    ExpectViews(panel, PageZeroWith(-1));
    EXPECT_EQ(Slots({1, 2, 3, 4, 5, 6}), update.shown);
    EXPECT_EQ(Slots({0}), update.latched);
    EXPECT_TRUE(panel.ShowPage(0).Empty());
}

TEST(GesturePanelState, SelectionOnPageOne) {
    GesturePanelState panel;
    panel.ShowPage(1);
    const auto click = panel.Click(12);
    ASSERT_TRUE(click);
    EXPECT_EQ((GesturePanelState::Notification{12, 0}), click->notification);
    for (int slot = 0; slot < 7; ++slot) {
        EXPECT_EQ(kHidden, panel.Slot(slot)) << slot;
    }
    for (int slot = 7; slot < 12; ++slot) {
        EXPECT_EQ(kFaded, panel.Slot(slot)) << slot;
    }
    EXPECT_EQ(kFramed, panel.Slot(12));
}

TEST(GesturePanelState, SelectingASlotOfTheOtherPageTurnsToIt) {
    GesturePanelState panel;
    panel.SelectSlot(3, 1);
    const auto update = panel.SelectSlot(9, 1);
    EXPECT_EQ(1, panel.CurrentPage());
    for (int slot = 0; slot < 7; ++slot) {
        EXPECT_EQ(kHidden, panel.Slot(slot)) << slot;
    }
    for (int slot = 7; slot < kSlotCount; ++slot) {
        EXPECT_EQ(slot == 9 ? kFramed : kFaded, panel.Slot(slot)) << slot;
    }
    EXPECT_EQ(Slots({3, 9}), update.latched);
}

TEST(GesturePanelState, AnyNonZeroSelectionLatchesAsOne) {
    GesturePanelState panel;
    panel.SelectSlot(2, 7);
    EXPECT_EQ(1, panel.Slot(2).latched);
    ASSERT_TRUE(panel.Click(2));
    EXPECT_EQ(0, panel.Slot(2).latched);
}

}  // namespace
}  // namespace q5

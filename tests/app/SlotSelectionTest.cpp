#include "app/SlotSelection.h"

#include <gtest/gtest.h>

namespace q5 {
namespace {

class SlotSelectionTest : public ::testing::Test {
protected:
    SlotSelectionTest() {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            names.setName(slot, u"name " + std::u16string(1, static_cast<char16_t>(u'a' + slot)));
        }
    }
    int LatchedCount() const {
        int count = 0;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            count += selection.IsLatched(slot);
        }
        return count;
    }

    ButtonName names;
    SlotSelection selection{names, [](int slot) {
                                return u"factory " +
                                       std::u16string(1, static_cast<char16_t>(u'a' + slot));
                            }};
};

TEST_F(SlotSelectionTest, StartsWithSlotZeroUnlatchedAndTheMouseShown) {
    EXPECT_EQ(selection.selected(), 0);
    EXPECT_FALSE(selection.FunctionShown());
    EXPECT_EQ(LatchedCount(), 0);
    EXPECT_EQ(selection.defaultNameText(), u"");
}

TEST_F(SlotSelectionTest, ClickingASlotButtonTwiceSelectsThenDeselects) {
    SlotSelection::PanelRequest first = selection.ClickSlotButton(3);
    EXPECT_EQ(selection.selected(), 3);
    EXPECT_EQ(selection.IsLatched(3), 1);
    EXPECT_TRUE(selection.FunctionShown());
    EXPECT_EQ(selection.functionCaption(), u"name d");
    EXPECT_EQ(selection.defaultNameText(), u"factory d");
    EXPECT_EQ(selection.currentNameText(), u"name d");
    EXPECT_EQ(first.page, 0);
    EXPECT_EQ(first.slot, 3);
    EXPECT_EQ(first.latched, 1);

    SlotSelection::PanelRequest second = selection.ClickSlotButton(3);
    EXPECT_EQ(selection.IsLatched(3), 0);
    EXPECT_FALSE(selection.FunctionShown());
    EXPECT_EQ(second.latched, 0);
    // The painted names still show slot 3.
    EXPECT_EQ(selection.selected(), 3);
    EXPECT_EQ(selection.defaultNameText(), u"factory d");
    EXPECT_EQ(selection.currentNameText(), u"name d");
}

TEST_F(SlotSelectionTest, SlotsFromSevenAskForTheSecondPage) {
    EXPECT_EQ(selection.ClickSlotButton(6).page, 0);
    EXPECT_EQ(selection.ClickSlotButton(7).page, 1);
    EXPECT_EQ(selection.ClickSlotButton(12).page, 1);
}

TEST_F(SlotSelectionTest, SelectingAnotherSlotUnlatchesTheFirst) {
    selection.ClickSlotButton(3);
    selection.ClickSlotButton(8);
    EXPECT_EQ(selection.IsLatched(3), 0);
    EXPECT_EQ(selection.IsLatched(8), 1);
    EXPECT_EQ(LatchedCount(), 1);
    EXPECT_EQ(selection.currentNameText(), u"name i");
}

TEST_F(SlotSelectionTest, PageButtonClearsSelectionAndKeepsPaintedTexts) {
    selection.ClickSlotButton(3);
    selection.ClearSelection();
    EXPECT_EQ(selection.selected(), SlotSelection::kNoSlot);
    EXPECT_FALSE(selection.HasSlot());
    EXPECT_EQ(LatchedCount(), 0);
    EXPECT_FALSE(selection.FunctionShown());
    EXPECT_EQ(selection.functionCaption(), u"name d");
    EXPECT_EQ(selection.defaultNameText(), u"factory d");
    EXPECT_EQ(selection.currentNameText(), u"name d");
    EXPECT_FALSE(selection.RefreshSlotTexts());
}

TEST_F(SlotSelectionTest, PanelMessageSelectsOrDeselectsByTheLatchedStateBeforeTheClick) {
    selection.SetSelectedSlot(9, 0);
    EXPECT_EQ(selection.IsLatched(9), 1);
    EXPECT_TRUE(selection.FunctionShown());
    selection.SetSelectedSlot(9, 1);
    EXPECT_EQ(selection.IsLatched(9), 0);
    EXPECT_FALSE(selection.FunctionShown());
    EXPECT_EQ(selection.selected(), 9);
}

TEST_F(SlotSelectionTest, RefreshReadsTheNameWrittenSince) {
    selection.ClickSlotButton(5);
    names.setName(5, u"Copy");
    EXPECT_TRUE(selection.RefreshSlotTexts());
    EXPECT_EQ(selection.currentNameText(), u"Copy");
    EXPECT_EQ(selection.defaultNameText(), u"factory f");
}

}  // namespace
}  // namespace q5

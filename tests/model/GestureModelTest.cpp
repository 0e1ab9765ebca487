#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/ActionCodeTable.h"
#include "model/AssignmentRules.h"
#include "model/ButtonSetting.h"
#include "model/ByteImage.h"
#include "model/GestureSlots.h"

namespace q5 {
namespace {

TEST(GestureSlots, LookupByGestureIdFindsTheLowestSlot) {
    EXPECT_EQ(SlotOfGesture(1), 0);
    EXPECT_EQ(SlotOfGesture(89), 7);
    EXPECT_EQ(SlotOfGesture(4), 12);
    for (GestureId none : {8, 16, 17, 35, 36, 164, 0, 255}) {
        EXPECT_EQ(SlotOfGesture(none), std::nullopt) << int{none};
    }
}

TEST(GestureSlots, PagesSplitAfterSlotSix) {
    EXPECT_EQ(PageOfSlot(0), 0);
    EXPECT_EQ(PageOfSlot(6), 0);
    EXPECT_EQ(PageOfSlot(7), 1);
    EXPECT_EQ(PageOfSlot(12), 1);
    EXPECT_EQ(GestureLabelKey(0), "tc_singleleftclk");
    EXPECT_EQ(GestureLabelKey(12), "tc_dblscrollright");
}

TEST(ActionCodeTable, FactoryCodesAllHaveLabels) {
    const char* labels[] = {"tc_click",           "tc_menu",     "tc_middle",
                            "tc_scrollup",        "tc_scrolldw", "tc_win8_charms",
                            "tc_win8_warechange", "tc_min_win",  "tc_max_win",
                            "tc_win8_desktop",    "tc_show",     "tc_back",
                            "tc_forward"};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const ActionCodeInfo* info = FindActionCode(FactoryCodeOfSlot(slot));
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->labelKey, labels[slot]) << "slot " << slot;
    }
}

TEST(ActionCodeTable, UnknownCodesHaveNoEntry) {
    for (int code : {6,  7,   11,  15,  27,  31,  38,  55,  59,  67,  69,  74,
                     90, 100, 111, 118, 127, 138, 153, 158, 162, 165, 200, 255}) {
        EXPECT_EQ(FindActionCode(static_cast<std::uint8_t>(code)), nullptr) << code;
    }
    EXPECT_EQ(AllActionCodes().size(), 71u);
}

TEST(ActionCodeTable, HeadingsAndMenuLabels) {
    for (int code : {22, 23, 24, 26, 32}) {
        const ActionCodeInfo* info = FindActionCode(static_cast<std::uint8_t>(code));
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->performer, Performer::Heading);
        EXPECT_EQ(info->menu, MenuGroup::TopLevel);
        EXPECT_FALSE(info->menuLabelKey.empty());
    }
    EXPECT_EQ(FindActionCode(ActionCode::CombinationKeys)->menuLabelKey, "tc_combokey");
    EXPECT_EQ(FindActionCode(ActionCode::Macro)->menuLabelKey, "tc_mac_def");
    EXPECT_EQ(FindActionCode(ActionCode::Forward)->secondLabelKey, "tc_kbmedia_forword");
    EXPECT_EQ(FindActionCode(ActionCode::Back)->secondLabelKey, "tc_kbmedia_back");
}

TEST(ActionCodeTable, OfferedCodesHaveATextAndHiddenOnesAreNotOffered) {
    std::set<std::string> keys;
    for (const ActionCodeInfo& info : AllActionCodes()) {
        const bool offered = info.menu != MenuGroup::None;
        const bool named = !info.labelKey.empty() || !info.menuLabelKey.empty();
        EXPECT_EQ(offered, named) << int{ToByte(info.code)};
        if (!info.labelKey.empty()) {
            EXPECT_TRUE(keys.insert(std::string(info.labelKey)).second) << info.labelKey;
        }
    }
}

TEST(LeftClickRule, TheOnlyLeftClickCannotBeReplaced) {
    const ButtonSetting image = ButtonSetting::Factory();
    EXPECT_FALSE(KeepsLeftClick(image, 0, ActionCode::Copy));
    EXPECT_FALSE(KeepsLeftClick(image, 0, ActionCode::None));
    EXPECT_TRUE(KeepsLeftClick(image, 0, ActionCode::LeftClick));
    EXPECT_TRUE(KeepsLeftClick(image, 3, ActionCode::Copy));
}

TEST(LeftClickRule, ASecondLeftClickElsewhereFreesTheFirst) {
    ButtonSetting image = ButtonSetting::Factory();
    image.slot(9).setCode(ActionCode::LeftClick);
    EXPECT_TRUE(KeepsLeftClick(image, 0, ActionCode::Copy));
    EXPECT_TRUE(KeepsLeftClick(image, 9, ActionCode::Copy));
}

TEST(LeftClickRule, AnImageWithoutLeftClickAcceptsAnything) {
    ButtonSetting image = ButtonSetting::Factory();
    image.slot(0).setCode(ActionCode::Paste);
    EXPECT_TRUE(KeepsLeftClick(image, 0, ActionCode::Copy));
    EXPECT_TRUE(KeepsLeftClick(image, 5, ActionCode::Copy));
}

TEST(LeftClickRule, ChangingTheCodeKeepsTheOtherFields) {
    ButtonSetting image = ButtonSetting::Factory();
    image.slot(4).setCode(ActionCode::Macro);
    image.slot(4).setMacroNumber(3);
    image.slot(4).setCode(ActionCode::LeftClick);
    EXPECT_EQ(image.slot(4).macroNumber(), 3);
}

TEST(StoredValues, ShortValuesFillOnlyTheLeadingBytes) {
    ButtonSetting image = ButtonSetting::Factory();
    std::vector<std::uint8_t> stored(100, 0);
    EXPECT_TRUE(OverlayStoredValue(std::span(image.data(), ButtonSetting::kSize), stored));
    EXPECT_EQ(image.slot(0).codeByte(), 0);
    for (int slot = 1; slot < kSlotCount; ++slot) {
        EXPECT_EQ(image.slot(slot).code(), FactoryCodeOfSlot(slot));
    }
}

TEST(StoredValues, LongValuesAreNotTaken) {
    ButtonSetting image = ButtonSetting::Factory();
    std::vector<std::uint8_t> stored(ButtonSetting::kSize + 1, 0xFF);
    EXPECT_FALSE(OverlayStoredValue(std::span(image.data(), ButtonSetting::kSize), stored));
    EXPECT_EQ(image, ButtonSetting::Factory());
}

}  // namespace
}  // namespace q5

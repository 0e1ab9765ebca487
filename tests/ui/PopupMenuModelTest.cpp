#include <gtest/gtest.h>

#include "ui/PopupMenuModel.h"

namespace q5 {
namespace {

std::u16string KeyAsText(std::string_view key) {
    return std::u16string(key.begin(), key.end());
}

class FunctionMenuModel : public ::testing::Test {
protected:
    MenuItemArray records = BuildFunctionMenuItems(&KeyAsText);
    PopupMenuModel model{records, kFunctionMenuItemCount};

    std::uint32_t HotCode(std::size_t level) const {
        const int hot = model.Hot(level);
        return hot == PopupMenuModel::kNone
                   ? 0
                   : model.ItemAt(model.LevelItems(level)[static_cast<std::size_t>(hot)]).code;
    }
};

TEST_F(FunctionMenuModel, TopMenuHoldsNineItemsAndHeadingsTheirChildren) {
    ASSERT_EQ(1u, model.LevelCount());
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}), model.LevelItems(0));
    EXPECT_EQ(PopupMenuModel::kNone, model.Hot(0));
    EXPECT_EQ((std::vector<int>{9, 10, 11, 12, 13, 14, 15, 16}), model.ItemAt(4).children);
    EXPECT_EQ(10u, model.ItemAt(5).children.size());
    EXPECT_EQ(9u, model.ItemAt(6).children.size());
    EXPECT_EQ(7u, model.ItemAt(7).children.size());
    EXPECT_EQ(6u, model.ItemAt(8).children.size());
    EXPECT_FALSE(model.HasSubMenu(0));
    EXPECT_EQ(u"tc_copy", model.ItemAt(10).label);
}

TEST_F(FunctionMenuModel, HoverOnHeadingOpensItsSubMenuWithoutHotItem) {
    EXPECT_EQ(MenuOutcome::Changed, model.Hover(0, 4));
    ASSERT_EQ(2u, model.LevelCount());
    EXPECT_EQ(4, model.LevelOwner(1));
    EXPECT_EQ(PopupMenuModel::kNone, model.Hot(1));
    EXPECT_EQ(MenuOutcome::None, model.Hover(0, 4));
    EXPECT_EQ(MenuOutcome::Changed, model.Hover(0, 1));
    EXPECT_EQ(1u, model.LevelCount());
    EXPECT_EQ(8u, HotCode(0));
}

TEST_F(FunctionMenuModel, ClickInSubMenuChoosesWithHeadingAsTopLevel) {
    model.Hover(0, 4);
    model.Hover(1, 1);
    EXPECT_EQ(MenuOutcome::Chosen, model.Click(1, 1));
    EXPECT_EQ((MenuChoice{65, 23}), model.Choice());
}

TEST_F(FunctionMenuModel, TopLevelChoiceReportsItselfAsTopLevel) {
    EXPECT_EQ(MenuOutcome::Chosen, model.Click(0, 3));
    EXPECT_EQ((MenuChoice{21, 21}), model.Choice());
}

TEST_F(FunctionMenuModel, ClickOnHeadingOpensInsteadOfChoosing) {
    EXPECT_EQ(MenuOutcome::Changed, model.Click(0, 8));
    EXPECT_EQ(2u, model.LevelCount());
    EXPECT_EQ(MenuOutcome::None, model.Click(0, 9));
    EXPECT_EQ(MenuOutcome::None, model.Click(3, 0));
}

TEST_F(FunctionMenuModel, KeyboardWalksIntoSubMenuAndChooses) {
    EXPECT_EQ(MenuOutcome::Changed, model.Key(MenuKey::Down));
    EXPECT_EQ(19u, HotCode(0));
    for (int i = 0; i < 5; ++i) {
        model.Key(MenuKey::Down);
    }
    EXPECT_EQ(22u, HotCode(0));
    EXPECT_EQ(MenuOutcome::Changed, model.Key(MenuKey::Right));
    ASSERT_EQ(2u, model.LevelCount());
    EXPECT_EQ(80u, HotCode(1));
    model.Key(MenuKey::Up);
    EXPECT_EQ(87u, HotCode(1));  // wraps to the last
    EXPECT_EQ(MenuOutcome::Changed, model.Key(MenuKey::Left));
    EXPECT_EQ(1u, model.LevelCount());
    EXPECT_EQ(22u, HotCode(0));
    EXPECT_EQ(MenuOutcome::Changed, model.Key(MenuKey::Enter));
    EXPECT_EQ(2u, model.LevelCount());
    model.Key(MenuKey::Down);
    EXPECT_EQ(MenuOutcome::Chosen, model.Key(MenuKey::Enter));
    EXPECT_EQ((MenuChoice{81, 22}), model.Choice());
}

TEST_F(FunctionMenuModel, UpFromNothingTakesTheLastItem) {
    model.Key(MenuKey::Up);
    EXPECT_EQ(32u, HotCode(0));
    model.Key(MenuKey::Down);
    EXPECT_EQ(19u, HotCode(0));
}

TEST_F(FunctionMenuModel, RightAndEnterDoNothingWhereThereIsNothingToOpen) {
    EXPECT_EQ(MenuOutcome::None, model.Key(MenuKey::Enter));
    EXPECT_EQ(MenuOutcome::None, model.Key(MenuKey::Right));
    EXPECT_EQ(MenuOutcome::None, model.Key(MenuKey::Left));
    model.Key(MenuKey::Down);
    EXPECT_EQ(MenuOutcome::None, model.Key(MenuKey::Right));
    EXPECT_EQ(1u, model.LevelCount());
}

TEST_F(FunctionMenuModel, EscapeClosesSubMenuThenTheMenu) {
    model.Hover(0, 7);
    EXPECT_EQ(MenuOutcome::Changed, model.Key(MenuKey::Escape));
    EXPECT_EQ(1u, model.LevelCount());
    EXPECT_EQ(24u, HotCode(0));
    EXPECT_EQ(MenuOutcome::Closed, model.Key(MenuKey::Escape));
}

TEST_F(FunctionMenuModel, KeysActOnSubMenuOpenedByHover) {
    model.Hover(0, 6);
    model.Key(MenuKey::Down);
    model.Key(MenuKey::Down);
    EXPECT_EQ(2u, HotCode(1));
    EXPECT_EQ(MenuOutcome::Chosen, model.Key(MenuKey::Enter));
    EXPECT_EQ((MenuChoice{2, 26}), model.Choice());
}

TEST(PopupMenuModel, BadParentsPutItemsAtTheTop) {
    MenuItemArray records{};
    auto set = [&](std::size_t i, std::uint32_t parent, std::uint32_t code) {
        records[i].SetParent(parent);
        records[i].SetCode(code);
    };
    set(0, 255, 10);
    set(1, 0, 11);  // under item 0
    set(2, 2, 12);  // its own parent
    set(3, 4, 13);  // 3 and 4 loop
    set(4, 3, 14);
    set(5, 99, 15);  // beyond the count
    set(6, 1, 16);   // two deep
    const PopupMenuModel model(records, 7);
    EXPECT_EQ((std::vector<int>{0, 2, 3, 4, 5}), model.LevelItems(0));
    EXPECT_EQ((std::vector<int>{1}), model.ItemAt(0).children);
    EXPECT_EQ(10u, model.TopLevelCode(6));
}

TEST(PopupMenuModel, CountBeyondTheRecordsIsCut) {
    MenuItemArray records{};
    records[0].SetParent(255);
    const PopupMenuModel model(std::span<const MenuItemRecord>(records.data(), 3), 1000);
    EXPECT_EQ(3u, model.ItemCount());
}

TEST(PopupMenuModel, EmptyMenuIgnoresKeys) {
    const MenuItemArray records{};
    PopupMenuModel model(records, 0);
    EXPECT_EQ(MenuOutcome::None, model.Key(MenuKey::Down));
    EXPECT_EQ(MenuOutcome::None, model.Hover(0, 0));
    EXPECT_EQ(MenuOutcome::Closed, model.Key(MenuKey::Escape));
}

TEST(PopupMenuModel, ThreeLevelsOpenAndCloseByHover) {
    MenuItemArray records{};
    for (std::uint32_t i = 0; i < 4; ++i) {
        records[i].SetParent(i == 0 ? 255 : i - 1);
        records[i].SetCode(40 + i);
    }
    PopupMenuModel model(records, 4);
    model.Hover(0, 0);
    model.Hover(1, 0);
    model.Hover(2, 0);
    EXPECT_EQ(4u, model.LevelCount());
    EXPECT_EQ(MenuOutcome::Chosen, model.Click(3, 0));
    EXPECT_EQ((MenuChoice{43, 40}), model.Choice());
    EXPECT_EQ(MenuOutcome::None, model.Hover(0, 0));  // its sub-menu is shown: nothing new
    EXPECT_EQ(4u, model.LevelCount());
    model.Key(MenuKey::Escape);
    model.Key(MenuKey::Escape);
    EXPECT_EQ(2u, model.LevelCount());
    EXPECT_EQ(MenuOutcome::None, model.Hover(0, 0));
    EXPECT_EQ(2u, model.LevelCount());
}

TEST(PopupMenuModel, HoverOnAnotherItemOfAnOpenLevelClosesWhatIsBelow) {
    MenuItemArray records{};
    records[0].SetParent(255);
    records[1].SetParent(0);
    records[2].SetParent(1);
    records[3].SetParent(0);
    PopupMenuModel model(records, 4);
    model.Hover(0, 0);
    model.Hover(1, 0);
    ASSERT_EQ(3u, model.LevelCount());
    EXPECT_EQ(MenuOutcome::Changed, model.Hover(1, 1));
    EXPECT_EQ(2u, model.LevelCount());
    EXPECT_EQ(1, model.Hot(1));
}

}  // namespace
}  // namespace q5

#include <gtest/gtest.h>

#include "model/ActionCode.h"
#include "ui/FunctionMenu.h"
#include "ui/FunctionMenuPath.h"
#include "ui/PopupMenuModel.h"

namespace q5 {
namespace {

constexpr auto Code(ActionCode code) {
    return static_cast<std::uint32_t>(code);
}

TEST(FunctionMenuPath, CopyLiesInTheBasicFunctionsSubMenu) {
    const FunctionMenuPath path(Code(ActionCode::Copy));
    ASSERT_EQ(path.depth(), 2u);
    EXPECT_EQ(path.CountAt(0), 9u);
    const MenuItemArray records = BuildFunctionMenuItems(TextLookup{});
    PopupMenuModel menu(records, kFunctionMenuItemCount);
    const int heading = menu.LevelItems(0).at(static_cast<std::size_t>(path.PositionAt(0)));
    EXPECT_EQ(menu.ItemAt(heading).code, Code(ActionCode::BasicHeading));
    ASSERT_EQ(menu.Hover(0, path.PositionAt(0)), MenuOutcome::Changed);
    EXPECT_EQ(path.CountAt(1), menu.LevelItems(1).size());
    EXPECT_GT(path.CountAt(1), 1u);
}

TEST(FunctionMenuPath, TopLevelItemsNeedNoSubMenu) {
    const FunctionMenuPath combination(Code(ActionCode::CombinationKeys));
    ASSERT_EQ(combination.depth(), 1u);
    EXPECT_EQ(combination.PositionAt(0), 0);
    const FunctionMenuPath macro(Code(ActionCode::Macro));
    ASSERT_EQ(macro.depth(), 1u);
    EXPECT_EQ(macro.PositionAt(0), 2);
}

TEST(FunctionMenuPath, CodesOutsideTheMenuHaveNoWay) {
    for (const std::uint32_t code : {0u, 0xFFFFu, 0xFFFFFFFFu}) {
        const FunctionMenuPath path(code);
        EXPECT_FALSE(path.found()) << code;
        EXPECT_EQ(path.depth(), 0u);
    }
}

// Every item that is not a heading is chosen by hovering the headings on
// its way and clicking it where the path says.
TEST(FunctionMenuPath, LeadsToEveryChoiceOfTheMenu) {
    const MenuItemArray records = BuildFunctionMenuItems(TextLookup{});
    const PopupMenuModel all(records, kFunctionMenuItemCount);
    int choices = 0;
    for (std::size_t i = 0; i < all.ItemCount(); ++i) {
        if (all.HasSubMenu(static_cast<int>(i))) {
            continue;
        }
        const std::uint32_t code = all.ItemAt(static_cast<int>(i)).code;
        const FunctionMenuPath path(code);
        ASSERT_TRUE(path.found()) << code;
        PopupMenuModel menu(records, kFunctionMenuItemCount);
        for (std::size_t level = 0; level + 1 < path.depth(); ++level) {
            ASSERT_EQ(menu.LevelItems(level).size(), path.CountAt(level));
            menu.Hover(level, path.PositionAt(level));
        }
        const std::size_t last = path.depth() - 1;
        ASSERT_EQ(menu.LevelItems(last).size(), path.CountAt(last)) << code;
        ASSERT_EQ(menu.Click(last, path.PositionAt(last)), MenuOutcome::Chosen) << code;
        EXPECT_EQ(menu.Choice().code, code);
        ++choices;
    }
    EXPECT_GT(choices, 30);
}

}  // namespace
}  // namespace q5

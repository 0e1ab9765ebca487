#include <gtest/gtest.h>

#include "ui/MenuItemLook.h"

namespace q5 {
namespace {

TEST(MenuItemLook, EveryItemMeasures75By22) {
    EXPECT_EQ(75, kMenuItemWidth);
    EXPECT_EQ(22, kMenuItemHeight);
}

TEST(MenuItemLook, NormalItemHasIconColumnAndTextArea) {
    const MenuItemLook look = PlanMenuItem({10, 22, 85, 44}, false);
    EXPECT_FALSE(look.framed);
    ASSERT_EQ(2u, look.fills.size());
    EXPECT_EQ((ColorFill{{10, 22, 35, 44}, 0xD1D8DB}), look.fills[0]);
    EXPECT_EQ((ColorFill{{35, 22, 85, 44}, 0xF7F8F9}), look.fills[1]);
    EXPECT_FALSE(look.highlightedIcon);
    EXPECT_EQ((Point{13, 25}), look.iconAt);
    EXPECT_EQ((Rect{35, 22, 85, 44}), look.textRect);
}

TEST(MenuItemLook, HighlightedItemIsFramedAndFilledInside) {
    const MenuItemLook look = PlanMenuItem({0, 0, 75, 22}, true);
    EXPECT_TRUE(look.framed);
    ASSERT_EQ(1u, look.fills.size());
    EXPECT_EQ((ColorFill{{1, 1, 74, 21}, 0xCFB9B1}), look.fills[0]);
    EXPECT_TRUE(look.highlightedIcon);
    EXPECT_EQ((Point{2, 2}), look.iconAt);
    EXPECT_EQ((Rect{25, 0, 75, 22}), look.textRect);
}

}  // namespace
}  // namespace q5

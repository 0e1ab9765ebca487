#include <gtest/gtest.h>

#include <utility>

#include "ui/MenuPlacement.h"

namespace q5 {
namespace {

const MenuGeometry kGeometry{160, 24, 1};
const Rect kScreen{0, 0, 1024, 768};

TEST(MenuPlacement, WindowHoldsItemsInsideItsFrame) {
    EXPECT_EQ((MenuSize{162, 9 * 24 + 2}), MenuWindowSize(kGeometry, 9));
    EXPECT_EQ((Rect{1, 1, 161, 25}), MenuItemRect(kGeometry, 0));
    EXPECT_EQ((Rect{1, 49, 161, 73}), MenuItemRect(kGeometry, 2));
}

TEST(MenuPlacement, GeometryIsReadBackFromAShownWindow) {
    const MenuGeometry wide{233, 31, 1};
    const MenuGeometry read = MenuGeometryOfWindow(MenuWindowSize(wide, 7), 7);
    EXPECT_EQ(233, read.itemWidth);
    EXPECT_EQ(31, read.itemHeight);
    // Sizes no menu of that many items has give the default geometry.
    for (const auto& [size, count] : {std::pair{MenuSize{162, 9 * 24 + 3}, std::size_t{9}},
                                      std::pair{MenuSize{162, 218}, std::size_t{0}},
                                      std::pair{MenuSize{2, 218}, std::size_t{9}},
                                      std::pair{MenuSize{162, 2}, std::size_t{9}}}) {
        const MenuGeometry fallback = MenuGeometryOfWindow(size, count);
        EXPECT_EQ(MenuGeometry{}.itemWidth, fallback.itemWidth);
        EXPECT_EQ(MenuGeometry{}.itemHeight, fallback.itemHeight);
    }
}

TEST(MenuPlacement, HitTestFindsItemsAndMissesTheFrame) {
    EXPECT_EQ(0, MenuItemAt(kGeometry, 9, {1, 1}));
    EXPECT_EQ(0, MenuItemAt(kGeometry, 9, {160, 24}));
    EXPECT_EQ(1, MenuItemAt(kGeometry, 9, {80, 25}));
    EXPECT_EQ(8, MenuItemAt(kGeometry, 9, {80, 9 * 24}));
    EXPECT_EQ(-1, MenuItemAt(kGeometry, 9, {80, 9 * 24 + 1}));
    EXPECT_EQ(-1, MenuItemAt(kGeometry, 9, {0, 10}));
    EXPECT_EQ(-1, MenuItemAt(kGeometry, 9, {161, 10}));
    EXPECT_EQ(-1, MenuItemAt(kGeometry, 9, {10, 0}));
    EXPECT_EQ(-1, MenuItemAt(kGeometry, 9, {-5, -30}));
    EXPECT_EQ(-1, MenuItemAt(MenuGeometry{160, 0, 1}, 9, {10, 10}));
}

TEST(MenuPlacement, MenuOpensAtItsAnchor) {
    EXPECT_EQ((Rect{100, 200, 262, 418}), PlaceMenu({100, 200}, {162, 218}, kScreen));
}

TEST(MenuPlacement, MenuFlipsLeftAndUpAtTheScreenEdges) {
    EXPECT_EQ((Rect{838, 200, 1000, 418}), PlaceMenu({1000, 200}, {162, 218}, kScreen));
    EXPECT_EQ((Rect{100, 482, 262, 700}), PlaceMenu({100, 700}, {162, 218}, kScreen));
}

TEST(MenuPlacement, MenuIsKeptInsideTheWorkArea) {
    const Rect work{0, 0, 1024, 740};
    // Flipping up from near the top would leave the area: it starts at the top.
    EXPECT_EQ((Rect{10, 0, 172, 740}), PlaceMenu({10, 50}, {162, 740}, work));
    EXPECT_EQ((Rect{0, 0, 162, 218}), PlaceMenu({-40, -10}, {162, 218}, work));
    // Taller than the area: starts at its top.
    EXPECT_EQ(0, PlaceMenu({10, 50}, {162, 900}, work).top);
}

TEST(MenuPlacement, SubMenuOpensRightOfItsItemLevelWithIt) {
    const Rect item{101, 150, 261, 174};
    EXPECT_EQ((Rect{262, 149, 424, 343}), PlaceSubMenu(item, {162, 194}, kScreen, 1));
}

TEST(MenuPlacement, SubMenuFlipsLeftAtTheRightEdge) {
    const Rect item{801, 150, 961, 174};
    EXPECT_EQ((Rect{638, 149, 800, 343}), PlaceSubMenu(item, {162, 194}, kScreen, 1));
}

TEST(MenuPlacement, SubMenuFlipsUpAtTheBottomEdge) {
    const Rect item{101, 700, 261, 724};
    EXPECT_EQ((Rect{262, 531, 424, 725}), PlaceSubMenu(item, {162, 194}, kScreen, 1));
}

TEST(MenuPlacement, SubMenuOnASecondMonitorUsesItsWorkArea) {
    const Rect second{1024, 0, 2048, 768};
    const Rect item{1900, 100, 2040, 124};
    EXPECT_EQ((Rect{1737, 99, 1899, 293}), PlaceSubMenu(item, {162, 194}, second, 1));
}

}  // namespace
}  // namespace q5

#include "editors/ListItemLook.h"

#include <gtest/gtest.h>

namespace q5 {
namespace {

constexpr int kIconWidth = 16;

ListItemLook Look(ListItemState state) {
    return ChooseListItemLook(state, kIconWidth);
}

TEST(ListItemLook, TextItemsHaveNoIconAndStartFivePixelsIn) {
    const ListItemLook look = Look({.kind = 0});
    EXPECT_EQ(look.icon, L"");
    EXPECT_EQ(look.textLeft, 5);
    EXPECT_EQ(look.fill, ItemFill::None);
    EXPECT_EQ(look.text, ItemText::Normal);
}

TEST(ListItemLook, EventKindsShowTheirIconSelectedOrNormal) {
    EXPECT_EQ(Look({.kind = 2}).icon, L"up_normal.png");
    EXPECT_EQ(Look({.kind = 2, .selected = true}).icon, L"up_select.png");
    EXPECT_EQ(Look({.kind = 3}).icon, L"down_normal.png");
    EXPECT_EQ(Look({.kind = 3, .selected = true}).icon, L"down_select.png");
    EXPECT_EQ(Look({.kind = 4}).icon, L"delay_normal.png");
    EXPECT_EQ(Look({.kind = 4, .selected = true}).icon, L"delay_select.png");
    EXPECT_EQ(Look({.kind = 2}).textLeft, 26);
}

TEST(ListItemLook, OtherKindsPlaceTheTextAfterTheIconPlaceWithoutAnIcon) {
    EXPECT_EQ(Look({.kind = 1}).icon, L"");
    EXPECT_EQ(Look({.kind = 1}).textLeft, 26);
    EXPECT_EQ(Look({.kind = 9}).icon, L"");
    EXPECT_EQ(Look({.kind = 9}).textLeft, 26);
}

TEST(ListItemLook, SelectionFillsAndColoursTheItem) {
    const ListItemLook selected = Look({.kind = 3, .selected = true, .focused = true});
    EXPECT_EQ(selected.fill, ItemFill::Selected);
    EXPECT_EQ(selected.text, ItemText::Selected);
    // Losing the selection paints the background back.
    const ListItemLook left = Look({.kind = 3, .selectionChanged = true});
    EXPECT_EQ(left.fill, ItemFill::Background);
    EXPECT_EQ(left.text, ItemText::Normal);
}

TEST(ListItemLook, ASelectedItemLosingTheFocusStaysFilled) {
    const ListItemLook look = Look({.kind = 0, .selected = true, .focusChanged = true});
    EXPECT_EQ(look.fill, ItemFill::Selected);
    EXPECT_EQ(look.text, ItemText::Selected);
}

TEST(ListItemLook, DisabledItemsUseTheShadowColourEvenWhenSelected) {
    EXPECT_EQ(Look({.kind = 0, .selected = true, .disabled = true}).text, ItemText::Disabled);
}

}  // namespace
}  // namespace q5

/*
 * How the macro editor's owner-drawn list boxes draw one item: which
 * background fills the item, which of the three text colours writes it,
 * which icon of skins\macro goes in front of it and where its text starts.
 * The Windows list box (CListBoxEx) asks this and only paints.
 */
#pragma once

#include <string_view>

namespace q5 {

// What the system's draw request says about the item.
struct ListItemState {
    int kind = 0;
    bool selected = false;
    bool focused = false;
    bool disabled = false;
    // The request is for a change of selection or of focus.
    bool selectionChanged = false;
    bool focusChanged = false;
};

enum class ItemFill { None, Selected, Background };
enum class ItemText { Normal, Selected, Disabled };

struct ListItemLook {
    ItemFill fill = ItemFill::None;
    ItemText text = ItemText::Normal;
    // File name under skins\macro; empty: no icon.
    std::wstring_view icon;
    // Left edge of the text, from the item's left edge.
    int textLeft = 0;

    bool operator==(const ListItemLook&) const = default;
};

// Where the icon is drawn, from the item's left and top edges.
inline constexpr int kListIconLeft = 5;
inline constexpr int kListIconTop = 1;

ListItemLook ChooseListItemLook(const ListItemState& state, int iconWidth);

}  // namespace q5

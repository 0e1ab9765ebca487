#include "editors/ListItemLook.h"

namespace q5 {
namespace {

constexpr int kPlainTextLeft = 5;
constexpr int kIconGap = 10;

struct KindIcons {
    int kind;
    std::wstring_view selected;
    std::wstring_view normal;
};

constexpr KindIcons kIcons[] = {
    {2, L"up_select.png", L"up_normal.png"},
    {3, L"down_select.png", L"down_normal.png"},
    {4, L"delay_select.png", L"delay_normal.png"},
};

}  // namespace

ListItemLook ChooseListItemLook(const ListItemState& state, int iconWidth) {
    ListItemLook look;
    if (state.selected || state.selectionChanged) {
        look.fill = ItemFill::Selected;
    }
    if (!state.selected && state.selectionChanged) {
        look.fill = ItemFill::Background;
    }
    if (state.selected) {
        look.text = ItemText::Selected;
    }
    if (state.focusChanged && state.selected && !state.focused) {
        look.fill = ItemFill::Selected;
    }
    if (state.disabled) {
        look.text = ItemText::Disabled;
    }
    look.textLeft = state.kind == 0 ? kPlainTextLeft : iconWidth + kIconGap;
    for (const KindIcons& icons : kIcons) {
        if (icons.kind == state.kind) {
            look.icon = state.selected ? icons.selected : icons.normal;
        }
    }
    return look;
}

}  // namespace q5

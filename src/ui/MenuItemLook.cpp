#include "ui/MenuItemLook.h"

namespace q5 {
namespace {

constexpr int kIconColumnWidth = 25;
constexpr ColorRef kHighlightFill = Rgb(177, 185, 207);
constexpr ColorRef kIconColumnFill = Rgb(219, 216, 209);
constexpr ColorRef kTextAreaFill = Rgb(249, 248, 247);

}  // namespace

MenuItemLook PlanMenuItem(const Rect& item, bool highlighted) {
    MenuItemLook look;
    look.textRect = {item.left + kIconColumnWidth, item.top, item.right, item.bottom};
    if (highlighted) {
        look.framed = true;
        look.fills.push_back(
            {{item.left + 1, item.top + 1, item.right - 1, item.bottom - 1}, kHighlightFill});
        look.highlightedIcon = true;
        look.iconAt = {item.left + 2, item.top + 2};
    } else {
        look.fills.push_back(
            {{item.left, item.top, item.left + kIconColumnWidth, item.bottom}, kIconColumnFill});
        look.fills.push_back(
            {{item.left + kIconColumnWidth, item.top, item.right, item.bottom}, kTextAreaFill});
        look.iconAt = {item.left + 3, item.top + 3};
    }
    return look;
}

}  // namespace q5

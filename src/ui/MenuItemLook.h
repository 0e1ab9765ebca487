/*
 * Geometry and colours of one item of the owner-drawn pop-up menu
 * (CXPMenu): every item has the same size; a highlighted item is framed in
 * black and filled light blue, a normal one has a grey icon column and a
 * near-white text area.
 */
#pragma once

#include <vector>

#include "platform/PlatformTypes.h"
#include "ui/ButtonLook.h"

namespace q5 {

inline constexpr int kMenuItemWidth = 75;
inline constexpr int kMenuItemHeight = 22;
inline constexpr int kMenuIconSize = 16;

struct ColorFill {
    Rect rect;
    ColorRef color = 0;
    bool operator==(const ColorFill&) const = default;
};

struct MenuItemLook {
    bool framed = false;  // a 1-pixel black frame around the whole item
    std::vector<ColorFill> fills;
    bool highlightedIcon = false;
    Point iconAt;
    Rect textRect;
};

MenuItemLook PlanMenuItem(const Rect& item, bool highlighted);

}  // namespace q5

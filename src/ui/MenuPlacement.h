/*
 * Geometry of the skinned pop-up menus: the rectangles of the items in a
 * menu window, which item a point falls on, and where on the screen a menu
 * or a sub-menu goes so that it stays inside the work area (flipped to the
 * left of or above its anchor where it would leave it).
 */
#pragma once

#include <cstddef>

#include "platform/PlatformTypes.h"

namespace q5 {

struct MenuGeometry {
    int itemWidth = 160;
    int itemHeight = 24;
    int border = 1;  // a frame of this width around the items
};

struct MenuSize {
    int width = 0;
    int height = 0;
    bool operator==(const MenuSize&) const = default;
};

// The client size of a menu window of `count` items.
MenuSize MenuWindowSize(const MenuGeometry& geometry, std::size_t count);
// The geometry of a menu window of `count` items from its client size (the
// item size follows the skin's images and the longest label, so whoever
// points at an item of a shown menu reads it back this way); the default
// geometry for an empty or impossible size.
MenuGeometry MenuGeometryOfWindow(MenuSize client, std::size_t count);
// The rectangle of item `position` in its menu window's client area.
Rect MenuItemRect(const MenuGeometry& geometry, int position);
// The position of the item under `client` (client coordinates), or -1.
int MenuItemAt(const MenuGeometry& geometry, std::size_t count, Point client);

// The screen rectangle of a top menu whose top-left corner is asked at
// `anchor`: flipped to end at the anchor where it would leave the work area
// to the right or below, then kept inside it.
Rect PlaceMenu(Point anchor, MenuSize size, const Rect& workArea);
// The screen rectangle of a sub-menu opened from the item at `item` (screen
// coordinates): to the right of the item with its first item level with
// it, else to the left; moved up where it would leave the work area below.
Rect PlaceSubMenu(const Rect& item, MenuSize size, const Rect& workArea, int border);

}  // namespace q5

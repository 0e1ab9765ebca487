#include "ui/MenuPlacement.h"

#include <algorithm>

namespace q5 {
namespace {

// Moves [start, start + length) into [low, high) where it fits; a menu
// longer than the area starts at `low`.
int KeepInside(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

Rect At(int left, int top, MenuSize size) {
    return Rect{left, top, left + size.width, top + size.height};
}

}  // namespace

MenuSize MenuWindowSize(const MenuGeometry& geometry, std::size_t count) {
    return MenuSize{geometry.itemWidth + 2 * geometry.border,
                    geometry.itemHeight * static_cast<int>(count) + 2 * geometry.border};
}

MenuGeometry MenuGeometryOfWindow(MenuSize client, std::size_t count) {
    MenuGeometry geometry;
    const int itemsHeight = client.height - 2 * geometry.border;
    const int itemWidth = client.width - 2 * geometry.border;
    if (count == 0 || itemWidth <= 0 || itemsHeight <= 0 ||
        itemsHeight % static_cast<int>(count) != 0) {
        return MenuGeometry{};
    }
    geometry.itemWidth = itemWidth;
    geometry.itemHeight = itemsHeight / static_cast<int>(count);
    return geometry;
}

Rect MenuItemRect(const MenuGeometry& geometry, int position) {
    const int top = geometry.border + position * geometry.itemHeight;
    return Rect{geometry.border, top, geometry.border + geometry.itemWidth,
                top + geometry.itemHeight};
}

int MenuItemAt(const MenuGeometry& geometry, std::size_t count, Point client) {
    if (geometry.itemHeight <= 0 || client.x < geometry.border ||
        client.x >= geometry.border + geometry.itemWidth || client.y < geometry.border) {
        return -1;
    }
    const int position = (client.y - geometry.border) / geometry.itemHeight;
    return static_cast<std::size_t>(position) < count ? position : -1;
}

Rect PlaceMenu(Point anchor, MenuSize size, const Rect& workArea) {
    int left = anchor.x;
    int top = anchor.y;
    if (left + size.width > workArea.right) {
        left = anchor.x - size.width;
    }
    if (top + size.height > workArea.bottom) {
        top = anchor.y - size.height;
    }
    return At(KeepInside(left, size.width, workArea.left, workArea.right),
              KeepInside(top, size.height, workArea.top, workArea.bottom), size);
}

Rect PlaceSubMenu(const Rect& item, MenuSize size, const Rect& workArea, int border) {
    int left = item.right + border;
    if (left + size.width > workArea.right) {
        left = item.left - border - size.width;
    }
    int top = item.top - border;
    if (top + size.height > workArea.bottom) {
        top = item.bottom + border - size.height;
    }
    return At(KeepInside(left, size.width, workArea.left, workArea.right),
              KeepInside(top, size.height, workArea.top, workArea.bottom), size);
}

}  // namespace q5

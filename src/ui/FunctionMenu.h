/*
 * The function menu as the menu library receives it: the array of 88-byte
 * item records (parent, code, label) and the paths of the eight item images
 * under skins\Menu. The main dialog builds both afresh each time it opens
 * the menu; the menu library copies them.
 */
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/TextLookup.h"

namespace q5 {

// Sent by the menu library to its owner when the user chooses an item: low
// word of wParam the item's code, low word of lParam the code of its
// top-level item.
inline constexpr unsigned kMenuChoiceMessage = 0x501;

// One item as bytes: parent u32 at 0 (kTopLevelParent for a top-level
// item), code u32 at 4, NUL-terminated UTF-16 label of at most 39 code units
// at 8. Little-endian on every host.
struct MenuItemRecord {
    static constexpr std::size_t kSize = 88;
    static constexpr std::size_t kParentOffset = 0;
    static constexpr std::size_t kCodeOffset = 4;
    static constexpr std::size_t kLabelOffset = 8;
    static constexpr std::size_t kLabelBytes = 80;
    static constexpr std::uint32_t kTopLevelParent = 255;

    std::array<std::uint8_t, kSize> bytes{};

    std::uint32_t Parent() const;
    std::uint32_t Code() const;
    std::u16string Label() const;
    void SetParent(std::uint32_t parent);
    void SetCode(std::uint32_t code);
    // Cut to 39 code units (never half a surrogate pair).
    void SetLabel(std::u16string_view label);
};
static_assert(sizeof(MenuItemRecord) == MenuItemRecord::kSize);

inline constexpr std::size_t kMenuItemCapacity = 200, kFunctionMenuItemCount = 49;
using MenuItemArray = std::array<MenuItemRecord, kMenuItemCapacity>;

// Zeroed array with the 49 items of the function menu filled in.
MenuItemArray BuildFunctionMenuItems(const TextLookup& texts);

inline constexpr std::size_t kMenuImageCount = 8;
// The eight item images: the plain item's normal, pointed-at, pressed and
// fourth-state image, then the same four for a heading with a sub-menu.
std::array<std::u16string, kMenuImageCount> FunctionMenuImagePaths(
    std::u16string_view programFolder);

}  // namespace q5

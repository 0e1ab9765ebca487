/*
 * The notification icon's tooltip and its two-item menu.
 */
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "ui/ResourceIds.h"

namespace q5 {

// The tooltip field holds 127 characters and the terminator.
inline constexpr std::size_t kTrayTipMaxLength = 127;

inline constexpr unsigned kTrayIconId = 128;
inline constexpr unsigned kTrayCallbackMessage = 0x600;

// The first 127 code units of `text`; a surrogate pair that the cut would
// split is left out whole, so the tip never ends in half a character.
std::u16string CutTrayTip(std::u16string_view text);

struct TrayMenuEntry {
    unsigned commandId;
    int icon;
    int highlightedIcon;
    std::string_view textKey;
};

// Show the main window (IDOK), end the program (IDCANCEL).
inline constexpr std::array<TrayMenuEntry, 2> kTrayMenuEntries{{
    {1, Q5_IDI_MENU_CONFIG, Q5_IDI_MENU_CONFIG_HOT, "tc_config"},
    {2, Q5_IDI_MENU_EXIT, Q5_IDI_MENU_EXIT_HOT, "tc_exit"},
}};

}  // namespace q5

/*
 * What the system knows about each ActionCode: the language key of its
 * display text, the group of the function menus that offers it, and which
 * part of the executor performs it.
 */
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "model/ActionCode.h"

namespace q5 {

enum class MenuGroup : std::uint8_t {
    None,  // can be held and performed, not chosen in the user interface
    TopLevel,
    Mouse,
    Basic,
    Advanced,
    Media,
    Windows8,
};

enum class Performer : std::uint8_t {
    Nothing,      // no function, or a function that performs nothing
    Heading,      // a sub-menu heading; never assigned
    Input,        // fixed input sequences of the executor
    Scroll,       // horizontal scroll and zoom
    Media,        // media player control
    System,       // lock, minimise/restore, shell
    Social,       // social-network pages and plug-in entries
    Combination,  // recorded key combination
    Macro,        // recorded macro
};

struct ActionCodeInfo {
    ActionCode code;
    // Key of the display text; empty when the code has none. A second key
    // fills the same text after the first (codes 4 and 5).
    std::string_view labelKey;
    std::string_view secondLabelKey;
    MenuGroup menu;
    // Key of the menu item's own label where it differs from the display text.
    std::string_view menuLabelKey;
    Performer performer;
};

// The entry of a known code, or null for an unknown one.
const ActionCodeInfo* FindActionCode(std::uint8_t code);
const ActionCodeInfo* FindActionCode(ActionCode code);

// Every known code in ascending order.
std::span<const ActionCodeInfo> AllActionCodes();

}  // namespace q5

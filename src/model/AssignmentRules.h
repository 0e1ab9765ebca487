/*
 * Rules that an assignment through the user interface must keep. Images
 * loaded from storage are taken as they are; only the user's choices are
 * checked.
 */
#pragma once

#include "model/ActionCode.h"
#include "model/ButtonSetting.h"

namespace q5 {

// At least one slot must keep the left click: assigning `chosen` to `slot` is
// refused when that slot holds the only left click and `chosen` is another
// function.
bool KeepsLeftClick(const ButtonSetting& working, int slot, ActionCode chosen);

}  // namespace q5

/*
 * The thirteen gesture slots of the mouse. A gesture is identified by its
 * GestureId, whose value is the ActionCode of the slot's factory function;
 * the factory table lists the GestureIds in slot order and never changes,
 * whatever the user assigns.
 */
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/ActionCode.h"

namespace q5 {

using GestureId = std::uint8_t;

inline constexpr int kSlotCount = 13;

inline constexpr std::array<GestureId, kSlotCount> kFactoryTable = {1,  2,  3,  9,  10, 37, 163,
                                                                    89, 88, 33, 85, 5,  4};

// The lowest slot whose GestureId is `id`, or none.
std::optional<int> SlotOfGesture(GestureId id);

// The factory function of a slot (its GestureId as a code).
ActionCode FactoryCodeOfSlot(int slot);

// The language key that names the gesture of a slot.
std::string_view GestureLabelKey(int slot);

// The page of the gesture picture panel that shows the slot: 0 or 1.
int PageOfSlot(int slot);

}  // namespace q5

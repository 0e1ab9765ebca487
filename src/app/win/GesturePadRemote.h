/*
 * The other end of the Gesture Pad's remote control: finds the pad of a
 * running demo by its window title and hands it a gesture script in a
 * WM_COPYDATA message.
 */
#pragma once

#include <span>

#include "app/GestureScript.h"

namespace q5::win {

enum class PadDelivery {
    Delivered,
    NoPad,    // no window titled "Gesture Pad"
    Refused,  // the pad answered no, or did not answer in time
};

PadDelivery SendToGesturePad(std::span<const TimedEvent> events);

}  // namespace q5::win

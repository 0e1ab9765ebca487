/*
 * Turns one event code reported by the mouse driver into at most one
 * performed function: the code selects a GestureId, the GestureId a slot,
 * and the slot's record in the active copy of the assignment is performed.
 *
 * Left Ctrl alone (0x80000001) is the driver's time mark: a vertical wheel
 * event within 10 ms of it zooms instead of scrolling.
 */
#pragma once

#include <cstdint>
#include <optional>

#include "model/ActionPerformer.h"
#include "model/ButtonSetting.h"
#include "model/GestureSlots.h"
#include "platform/Clock.h"

namespace q5 {

// Event codes of the driver that the dispatcher treats specially.
inline constexpr std::uint32_t kEventTimeMark = 0x80000001;
inline constexpr std::uint32_t kEventWheelUp = 0x00000101;
inline constexpr std::uint32_t kEventWheelDown = 0x000001FF;

// How long after the time mark a wheel event still zooms, inclusive.
inline constexpr std::uint32_t kZoomWindowMs = 10;

// The GestureId an event code selects, or none. The time mark and the
// timing rule are not applied here: the wheel codes select 9 and 10.
std::optional<GestureId> GestureOfEvent(std::uint32_t eventCode);

// The first event code, in the driver's table, that performs `slot`; none
// for a slot outside 0 to 12.
std::optional<std::uint32_t> EventOfSlot(int slot);

class GestureDispatcher {
public:
    GestureDispatcher(Clock& clock, const ButtonSetting& active, ActionPerformer& performer)
        : clock_(clock), active_(active), performer_(performer) {}

    // Handler of the driver-event message; performs at most one record.
    void OnDeviceEvent(std::uint32_t eventCode);

    std::uint32_t timeMark() const { return timeMark_; }

private:
    bool WithinZoomWindow();

    Clock& clock_;
    const ButtonSetting& active_;
    ActionPerformer& performer_;
    std::uint32_t timeMark_ = 0;
};

}  // namespace q5

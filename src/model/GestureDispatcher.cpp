#include "model/GestureDispatcher.h"

namespace q5 {
namespace {

struct EventGesture {
    std::uint32_t eventCode;
    GestureId gesture;
};

constexpr EventGesture kEventTable[] = {
    {0x00000101, 9},  {0x000001FF, 10},  {0x00000201, 17},  {0x000002FF, 16}, {0x00008001, 1},
    {0x00008002, 2},  {0x00008004, 3},   {0x00008008, 5},   {0x00008010, 4},  {0x400001A2, 8},
    {0x50005608, 36}, {0x50005708, 35},  {0x80000008, 33},  {0x80000708, 85}, {0x80001008, 89},
    {0x8000100A, 88}, {0x80002A09, 163}, {0x80007209, 164}, {0x8000720C, 37},
};

}  // namespace

std::optional<GestureId> GestureOfEvent(std::uint32_t eventCode) {
    for (const auto& entry : kEventTable) {
        if (entry.eventCode == eventCode) {
            return entry.gesture;
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> EventOfSlot(int slot) {
    for (const auto& entry : kEventTable) {
        if (SlotOfGesture(entry.gesture) == slot) {
            return entry.eventCode;
        }
    }
    return std::nullopt;
}

void GestureDispatcher::OnDeviceEvent(std::uint32_t eventCode) {
    if (eventCode == kEventTimeMark) {
        timeMark_ = clock_.GetTickCount();
        return;
    }
    if ((eventCode == kEventWheelUp || eventCode == kEventWheelDown) && WithinZoomWindow()) {
        const ActionCode zoom =
            eventCode == kEventWheelUp ? ActionCode::Win8ZoomIn : ActionCode::Win8ZoomOut;
        performer_.ExecuteAction(ActionRecord::WithCode(zoom));
        return;
    }
    const auto gesture = GestureOfEvent(eventCode);
    if (!gesture) {
        return;
    }
    const auto slot = SlotOfGesture(*gesture);
    if (!slot) {
        return;
    }
    performer_.ExecuteAction(active_.slot(*slot));
}

// The distance is the larger minus the smaller tick: a mark taken just before
// the tick count wraps is far from a tick taken just after.
bool GestureDispatcher::WithinZoomWindow() {
    const std::uint32_t now = clock_.GetTickCount();
    const std::uint32_t distance = now > timeMark_ ? now - timeMark_ : timeMark_ - now;
    return distance <= kZoomWindowMs;
}

}  // namespace q5

/*
 * The events of gesture scripts that the Gesture Pad still has to fire, in
 * arrival order. A script that arrives while another is playing is played
 * after it. The pad arms a window timer for NextDelay() and, when it
 * expires, fires TakeDue(): the next event and every one after it that
 * follows with no pause, so that the zoom mark and the wheel notch of a
 * zoom reach the receiver together.
 */
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>

#include "app/GestureScript.h"

namespace q5 {

class PendingGestures {
public:
    void Append(std::span<const TimedEvent> events);

    bool empty() const { return events_.empty(); }
    // The pause before the next event, counted from the previous firing.
    std::optional<std::uint32_t> NextDelay() const;
    // The next event's code and those of the events that follow it without
    // pause; empty when nothing is pending.
    std::vector<std::uint32_t> TakeDue();

private:
    std::deque<TimedEvent> events_;
};

}  // namespace q5

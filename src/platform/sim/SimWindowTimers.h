/*
 * Window timers for the simulated platform: which timers run, and every
 * SetTimer and KillTimer in order. Ticks are delivered by the test, which
 * calls the window's timer handler itself.
 */
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "platform/WindowTimers.h"

namespace q5::sim {

struct TimerCall {
    bool set = false;  // SetTimer, else KillTimer
    WindowHandle window;
    std::uintptr_t id = 0;
    std::uint32_t elapseMs = 0;
    bool operator==(const TimerCall&) const = default;
};

class SimWindowTimers final : public WindowTimers {
public:
    std::uintptr_t SetTimer(WindowHandle window, std::uintptr_t id,
                            std::uint32_t elapseMs) override;
    bool KillTimer(WindowHandle window, std::uintptr_t id) override;

    bool IsRunning(WindowHandle window, std::uintptr_t id) const;
    std::optional<std::uint32_t> Period(WindowHandle window, std::uintptr_t id) const;
    const std::vector<TimerCall>& Calls() const { return calls_; }

private:
    std::map<std::pair<std::uintptr_t, std::uintptr_t>, std::uint32_t> running_;
    std::vector<TimerCall> calls_;
};

}  // namespace q5::sim

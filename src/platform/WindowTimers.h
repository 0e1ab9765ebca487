/*
 * Window timers (SetTimer and KillTimer without a callback): a running timer
 * sends WM_TIMER with its identifier to the window every period. Window
 * thread only.
 */
#pragma once

#include <cstdint>

#include "platform/PlatformTypes.h"

namespace q5 {

class WindowTimers {
public:
    virtual ~WindowTimers() = default;

    // Starts the timer, or restarts it if it runs. Returns the identifier,
    // or 0 on failure.
    virtual std::uintptr_t SetTimer(WindowHandle window, std::uintptr_t id,
                                    std::uint32_t elapseMs) = 0;
    virtual bool KillTimer(WindowHandle window, std::uintptr_t id) = 0;
};

}  // namespace q5

/*
 * Window timers through the real SetTimer and KillTimer.
 */
#pragma once

#include "platform/WindowTimers.h"

namespace q5::win {

class WinWindowTimers final : public WindowTimers {
public:
    std::uintptr_t SetTimer(WindowHandle window, std::uintptr_t id,
                            std::uint32_t elapseMs) override;
    bool KillTimer(WindowHandle window, std::uintptr_t id) override;
};

}  // namespace q5::win

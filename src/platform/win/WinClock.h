/*
 * The real tick clock and waits.
 */
#pragma once

#include "platform/Clock.h"

namespace q5::win {

class WinClock final : public Clock {
public:
    std::uint32_t GetTickCount() override;
    void Sleep(std::uint32_t milliseconds) override;
};

}  // namespace q5::win

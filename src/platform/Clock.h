/*
 * The millisecond tick clock and blocking waits (GetTickCount, Sleep).
 */
#pragma once

#include <cstdint>

namespace q5 {

class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds since an arbitrary start; wraps around after 2^32.
    virtual std::uint32_t GetTickCount() = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};

}  // namespace q5

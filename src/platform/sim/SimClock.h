/*
 * The virtual clock: a wait advances it and returns at once, so a test of a
 * sequence with long pauses runs in microseconds and still sees every pause.
 */
#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include "platform/Clock.h"
#include "platform/sim/CallJournal.h"

namespace q5::sim {

class SimClock final : public Clock {
public:
    explicit SimClock(CallJournal& journal, std::uint32_t startTick = 100000)
        : journal_(journal), tick_(startTick) {}

    std::uint32_t GetTickCount() override { return tick_; }
    void Sleep(std::uint32_t milliseconds) override;

    // Time passing while the system is idle: no call is recorded.
    void Advance(std::uint32_t milliseconds);
    void SetTick(std::uint32_t tick) { tick_ = tick; }

    // Runs `action` once `milliseconds` of virtual time have passed from now,
    // in the order the moments come (and, for one moment, the order given).
    // A wait that spans the moment runs it before the wait returns.
    void After(std::uint64_t milliseconds, std::function<void()> action);

private:
    void Pass(std::uint32_t milliseconds);

    CallJournal& journal_;
    std::uint32_t tick_;
    std::uint64_t elapsed_ = 0;  // since construction, never wraps
    std::multimap<std::uint64_t, std::function<void()>> scheduled_;
};

}  // namespace q5::sim

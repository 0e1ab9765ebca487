/*
 * The virtual clock: a wait advances it and returns at once, so a test of a
 * sequence with long pauses runs in microseconds and still sees every pause.
 */
#pragma once

#include <cstdint>

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
    void Advance(std::uint32_t milliseconds) { tick_ += milliseconds; }
    void SetTick(std::uint32_t tick) { tick_ = tick; }

  private:
    CallJournal& journal_;
    std::uint32_t tick_;
};

}  // namespace q5::sim

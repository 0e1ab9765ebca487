#include "platform/sim/SimClock.h"

namespace q5::sim {

void SimClock::Sleep(std::uint32_t milliseconds) {
    journal_.Record(WaitCall{milliseconds});
    Pass(milliseconds);
}

void SimClock::Advance(std::uint32_t milliseconds) {
    Pass(milliseconds);
}

void SimClock::After(std::uint64_t milliseconds, std::function<void()> action) {
    scheduled_.emplace(elapsed_ + milliseconds, std::move(action));
}

void SimClock::Pass(std::uint32_t milliseconds) {
    const std::uint64_t end = elapsed_ + milliseconds;
    while (!scheduled_.empty() && scheduled_.begin()->first <= end) {
        auto next = scheduled_.extract(scheduled_.begin());
        tick_ += static_cast<std::uint32_t>(next.key() - elapsed_);
        elapsed_ = next.key();
        next.mapped()();
    }
    tick_ += static_cast<std::uint32_t>(end - elapsed_);
    elapsed_ = end;
}

}  // namespace q5::sim

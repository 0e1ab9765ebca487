#include "platform/sim/SimClock.h"

namespace q5::sim {

void SimClock::Sleep(std::uint32_t milliseconds) {
    journal_.Record(WaitCall{milliseconds});
    tick_ += milliseconds;
}

}  // namespace q5::sim

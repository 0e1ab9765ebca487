#include "app/PendingGestures.h"

namespace q5 {

void PendingGestures::Append(std::span<const TimedEvent> events) {
    events_.insert(events_.end(), events.begin(), events.end());
}

std::optional<std::uint32_t> PendingGestures::NextDelay() const {
    if (events_.empty()) {
        return std::nullopt;
    }
    return events_.front().delayMs;
}

std::vector<std::uint32_t> PendingGestures::TakeDue() {
    std::vector<std::uint32_t> codes;
    while (!events_.empty() && (codes.empty() || events_.front().delayMs == 0)) {
        codes.push_back(events_.front().code);
        events_.pop_front();
    }
    return codes;
}

}  // namespace q5

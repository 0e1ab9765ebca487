#include "platform/sim/SimWindowTimers.h"

namespace q5::sim {

std::uintptr_t SimWindowTimers::SetTimer(WindowHandle window, std::uintptr_t id,
                                         std::uint32_t elapseMs) {
    calls_.push_back({true, window, id, elapseMs});
    if (!window || id == 0) {
        return 0;
    }
    running_[{window.value, id}] = elapseMs;
    return id;
}

bool SimWindowTimers::KillTimer(WindowHandle window, std::uintptr_t id) {
    calls_.push_back({false, window, id, 0});
    return running_.erase({window.value, id}) > 0;
}

bool SimWindowTimers::IsRunning(WindowHandle window, std::uintptr_t id) const {
    return running_.contains({window.value, id});
}

std::optional<std::uint32_t> SimWindowTimers::Period(WindowHandle window, std::uintptr_t id) const {
    const auto found = running_.find({window.value, id});
    if (found == running_.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace q5::sim

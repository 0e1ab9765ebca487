#include "platform/sim/SimMessagePosting.h"

#include <utility>

namespace q5::sim {

bool SimMessagePosting::PostMessageW(WindowHandle window, std::uint32_t message,
                                     std::uintptr_t wParam, std::intptr_t lParam) {
    if (!window) {
        return false;
    }
    {
        std::lock_guard lock(mutex_);
        posted_.push_back({window, WindowMessage{message, wParam, lParam}});
    }
    arrived_.notify_all();
    return true;
}

bool SimMessagePosting::WaitForCount(std::size_t count, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, timeout, [&] { return posted_.size() >= count; });
}

std::vector<PostedMessage> SimMessagePosting::Posted() const {
    std::lock_guard lock(mutex_);
    return posted_;
}

std::vector<PostedMessage> SimMessagePosting::Take() {
    std::lock_guard lock(mutex_);
    return std::exchange(posted_, {});
}

std::size_t SimMessagePosting::Count() const {
    std::lock_guard lock(mutex_);
    return posted_.size();
}

}  // namespace q5::sim

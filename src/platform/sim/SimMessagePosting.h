/*
 * Posting for the simulated platform: every posted message is kept in
 * order with its window, from whatever thread it was posted, and a test can
 * wait until a number of them has arrived.
 */
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/MessagePosting.h"

namespace q5::sim {

struct PostedMessage {
    WindowHandle window;
    WindowMessage message;
    bool operator==(const PostedMessage&) const = default;
};

class SimMessagePosting final : public MessagePosting {
public:
    bool PostMessageW(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) override;

    // Whether at least `count` messages were posted before the time ran out.
    bool WaitForCount(std::size_t count, std::chrono::milliseconds timeout) const;
    std::vector<PostedMessage> Posted() const;
    // The messages posted so far, which are forgotten: a long run that
    // handles them as they come keeps no history.
    std::vector<PostedMessage> Take();
    std::size_t Count() const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable arrived_;
    std::vector<PostedMessage> posted_;
};

}  // namespace q5::sim

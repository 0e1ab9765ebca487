/*
 * Posting a message to a window's queue (PostMessageW). Safe to call from
 * any thread; the message is handled later on the window's own thread.
 */
#pragma once

#include <cstdint>

#include "platform/PlatformTypes.h"

namespace q5 {

class MessagePosting {
public:
    virtual ~MessagePosting() = default;

    virtual bool PostMessageW(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) = 0;
};

}  // namespace q5

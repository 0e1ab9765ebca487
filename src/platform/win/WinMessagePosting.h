/*
 * Posting through the real PostMessageW.
 */
#pragma once

#include "platform/MessagePosting.h"

namespace q5::win {

class WinMessagePosting final : public MessagePosting {
public:
    bool PostMessageW(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) override;
};

}  // namespace q5::win

/*
 * The real message box.
 */
#pragma once

#include "platform/Dialogs.h"

namespace q5::win {

class WinDialogs final : public Dialogs {
public:
    int MessageBoxW(WindowHandle owner, std::u16string_view text, std::u16string_view caption,
                    std::uint32_t type) override;
};

}  // namespace q5::win

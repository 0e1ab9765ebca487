/*
 * Standard dialogs of the system that any part may show (MessageBoxW).
 */
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/PlatformTypes.h"

namespace q5 {

inline constexpr std::uint32_t kMbOk = 0x00000000;
inline constexpr int kIdOk = 1;

class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual int MessageBoxW(WindowHandle owner, std::u16string_view text,
                            std::u16string_view caption, std::uint32_t type) = 0;
};

}  // namespace q5

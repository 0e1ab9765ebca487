/*
 * Window creation through the real RegisterClassW, CreateWindowExW and
 * DestroyWindow, with the default window procedure.
 */
#pragma once

#include "platform/WindowCreation.h"

namespace q5::win {

class WinWindowCreation final : public WindowCreation {
public:
    bool RegisterClassW(std::u16string_view className) override;
    WindowHandle CreateWindowExW(std::uint32_t exStyle, std::u16string_view className,
                                 std::u16string_view windowName, std::uint32_t style,
                                 Point position, std::int32_t width, std::int32_t height) override;
    bool DestroyWindow(WindowHandle window) override;
};

}  // namespace q5::win

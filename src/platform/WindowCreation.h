/*
 * Creating and destroying plain top-level windows (RegisterClassW,
 * CreateWindowExW, DestroyWindow) for objects that need a window only to
 * exist under a name. Window thread only.
 */
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/PlatformTypes.h"
#include "platform/WindowStyles.h"

namespace q5 {

class WindowCreation {
public:
    virtual ~WindowCreation() = default;

    // Registers a class with no class style, cursor, brush or icon whose
    // windows use the default window procedure. Registering a name that is
    // already registered succeeds.
    virtual bool RegisterClassW(std::u16string_view className) = 0;
    // A window without parent or menu; none on failure.
    virtual WindowHandle CreateWindowExW(std::uint32_t exStyle, std::u16string_view className,
                                         std::u16string_view windowName, std::uint32_t style,
                                         Point position, std::int32_t width,
                                         std::int32_t height) = 0;
    virtual bool DestroyWindow(WindowHandle window) = 0;
};

}  // namespace q5

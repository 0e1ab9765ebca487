/*
 * How a skinned button looks in each state: which of its four state images
 * it shows, in which colour its caption is written, and where the caption
 * goes. The Windows button (CGDIBitmapBtn) asks these functions and only
 * paints what they decide.
 */
#pragma once

#include <cstdint>

#include "platform/PlatformTypes.h"

namespace q5 {

// A Windows COLORREF: 0x00BBGGRR.
using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int r, int g, int b) {
    return static_cast<ColorRef>(r) | static_cast<ColorRef>(g) << 8 |
           static_cast<ColorRef>(b) << 16;
}

enum class StateImage { Normal, Hover, Pressed, Disabled };

struct CaptionColors {
    ColorRef hover = Rgb(200, 200, 200);
    ColorRef normal = Rgb(83, 92, 107);
    ColorRef pressed = Rgb(250, 250, 250);
};

// What the button knows about itself when it draws.
struct ButtonState {
    bool latched = false;
    bool selected = false;  // the mouse button is held down on it
    bool hovering = false;
    bool disabled = false;
};

struct ButtonLook {
    StateImage image = StateImage::Normal;
    ColorRef textColor = 0;
    // The caption is drawn one pixel right and down.
    bool pressedLook = false;

    bool operator==(const ButtonLook&) const = default;
};

// The first rule that applies: latched, selected, hovering, disabled, rest.
ButtonLook ChooseButtonLook(const ButtonState& state, const CaptionColors& colors);

// The rectangle in which the caption is drawn, for a client rectangle, the
// height of the caption's text and the caption offsets.
Rect CaptionRect(const Rect& client, int textHeight, Point offset, bool pressedLook);

}  // namespace q5

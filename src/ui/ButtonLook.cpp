#include "ui/ButtonLook.h"

namespace q5 {
namespace {

constexpr int kCaptionLeftMargin = 8;
constexpr int kCaptionRightMargin = 5;

ButtonLook LookWith(StateImage image, ColorRef color, const CaptionColors& colors) {
    // The shift follows the colour alone: a dialog that gives hover and
    // pressed the same colour gets the shift while hovering too.
    return ButtonLook{image, color, color == colors.pressed};
}

}  // namespace

ButtonLook ChooseButtonLook(const ButtonState& state, const CaptionColors& colors) {
    if (state.latched || state.selected) {
        return LookWith(StateImage::Pressed, colors.pressed, colors);
    }
    if (state.hovering) {
        return LookWith(StateImage::Hover, colors.hover, colors);
    }
    if (state.disabled) {
        return LookWith(StateImage::Disabled, colors.normal, colors);
    }
    return LookWith(StateImage::Normal, colors.normal, colors);
}

Rect CaptionRect(const Rect& client, int textHeight, Point offset, bool pressedLook) {
    const int shift = pressedLook ? 1 : 0;
    Rect rect;
    rect.left = client.left + kCaptionLeftMargin + shift + offset.x;
    rect.top = (client.bottom - client.top) / 2 - textHeight / 2 + offset.y + shift;
    rect.right = client.right - kCaptionRightMargin + shift;
    rect.bottom = client.bottom + shift;
    return rect;
}

}  // namespace q5

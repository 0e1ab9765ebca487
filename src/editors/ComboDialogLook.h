/*
 * What the combination-key dialog decides besides the capture itself: where
 * it opens, how its texts are drawn, and which keyboard messages it keeps
 * from the dialog's own keyboard handling so that those keys can be captured
 * without pressing a button or closing the dialog.
 */
#pragma once

#include <cstdint>

#include "platform/PlatformTypes.h"
#include "ui/ButtonLook.h"

namespace q5::combo {

inline constexpr ColorRef kTextColor = Rgb(0x37, 0x37, 0x37);
inline constexpr int kFontHeight = 14;
inline constexpr int kFontWeight = 300;
// DT_VCENTER | DT_WORDBREAK | DT_SINGLELINE | DT_NOCLIP | DT_END_ELLIPSIS,
// and DT_CENTER for the combination.
inline constexpr std::uint32_t kLabelFormat = 0x8134;
inline constexpr std::uint32_t kCombinationFormat = 0x8135;
inline constexpr Rect kTitleText{5, 2, 240, 22};
inline constexpr Rect kTipsText{21, 37, 240, 57};

// The top-left corner that centres a dialog of `width` by `height` over
// `parent` (halves rounded toward zero).
Point CentredOver(const Rect& parent, int width, int height);

// Enter, Esc and Space (pressed or released), and Alt+F4.
bool IsSwallowedKeyMessage(std::uint32_t message, std::uintptr_t key, std::intptr_t flags);

}  // namespace q5::combo

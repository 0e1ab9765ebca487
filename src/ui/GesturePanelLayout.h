/*
 * The buttons of the gesture picture panel for each slot: where its picture
 * (and the faded picture on top of it) and its label sit, and which of the
 * panel's picture strips each button cuts its normal, hover, pressed and
 * disabled images from. Every strip has the hands drawn at these places.
 */
#pragma once

#include <array>
#include <string_view>

#include "platform/PlatformTypes.h"

namespace q5 {

// Bitmap resource ids of the four state images of a button.
struct StateImageIds {
    int normal = 0;
    int hover = 0;
    int pressed = 0;
    int disabled = 0;

    bool operator==(const StateImageIds&) const = default;
};

struct PanelSlotLayout {
    Rect picture;  // shared by the picture and the faded button
    Rect label;
    StateImageIds pictureImages;
    StateImageIds fadedImages;
    StateImageIds labelImages;
    std::string_view labelKey;  // the gesture's name, also the tooltip
};

// The bitmaps the panel loads: the eight picture strips and the background.
extern const std::array<int, 9> kPanelBitmapIds;

// `slot` 0 to 12.
PanelSlotLayout PanelSlotLayoutOf(int slot);

}  // namespace q5

/*
 * What the demo's Gesture Pad offers and where: one button per gesture slot,
 * labelled with the slot's gesture name from the language table and firing
 * the driver event that performs the slot, then the driver's zoom mark on
 * its own and the two zooms (the mark followed at once by a wheel notch,
 * which the dispatcher turns into zoom in or out). Below the buttons a
 * status line tells the last event fired and whether the receiver took it.
 *
 * The window (app/win/CGesturePad) only places these buttons and forwards
 * clicks; every decision is made here.
 */
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/PlatformTypes.h"
#include "ui/TextLookup.h"

namespace q5 {

struct PadButton {
    std::vector<std::uint32_t> codes;  // fired in this order, without pause
    std::u16string label;
    Rect rect;  // in the pad's client area
};

struct PadSize {
    int width = 0;
    int height = 0;
    auto operator<=>(const PadSize&) const = default;
};

class GesturePadModel {
public:
    explicit GesturePadModel(const TextLookup& texts);

    const std::vector<PadButton>& buttons() const { return buttons_; }
    PadSize clientSize() const;
    Rect statusRect() const;

    // The label of the first button that fires exactly `code`, or the code
    // in hex ("0x80000001") for any other.
    std::u16string NameOfEvent(std::uint32_t code) const;
    // The status line after `code` was handed to the receiver.
    std::u16string StatusText(std::uint32_t code, bool accepted) const;

private:
    std::vector<PadButton> buttons_;
};

// The pad's frame placed on `workArea` beside `owner` without covering it:
// right of it, else left of it (tops aligned), else below it, else above it
// (left edges aligned), each moved along the owner's side as little as needed
// to lie whole on the work area. Only when no side has room does the pad
// cover the owner, kept whole on the work area where it covers the least of
// it: beside it or in a corner of the work area.
Rect PlaceBeside(const Rect& owner, PadSize frame, const Rect& workArea);

}  // namespace q5

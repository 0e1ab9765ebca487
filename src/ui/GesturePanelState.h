/*
 * What the gesture picture panel shows: the page it is turned to, and per
 * slot which of its three buttons (picture, faded picture, label) are
 * visible and whether the picture is latched in its pressed look. The
 * panel window (CDlgHand1) forwards page turns, selections and clicks here
 * and applies the returned update to its buttons, touching only the slots
 * that changed.
 */
#pragma once

#include <array>
#include <bitset>
#include <optional>

#include "model/GestureSlots.h"

namespace q5 {

class GesturePanelState {
public:
    struct SlotView {
        bool picture = false;
        bool faded = false;
        bool label = false;
        int latched = 0;

        bool operator==(const SlotView&) const = default;
    };

    // The slots whose button visibility changed, and those whose picture
    // changed its latched state (and so needs repainting).
    struct Update {
        std::bitset<kSlotCount> shown;
        std::bitset<kSlotCount> latched;

        bool Empty() const { return shown.none() && latched.none(); }
        bool operator==(const Update&) const = default;
    };

    // What a click tells the main dialog: the slot and the latched state
    // its picture had before the click (0: being selected, 1: deselected).
    struct Notification {
        int slot = 0;
        int latchedBefore = 0;

        bool operator==(const Notification&) const = default;
    };

    struct ClickResult {
        Notification notification;
        Update update;
    };

    static constexpr int kPageCount = 2;

    // Page 0 shown, nothing latched, nothing faded.
    GesturePanelState();

    int CurrentPage() const { return m_page; }
    const SlotView& Slot(int slot) const;

    // Turns to `page` (0 or 1) and clears every latch and fading; any other
    // page is ignored.
    Update ShowPage(int page);
    // With `selected` 1: `slot`'s picture latched and the rest of its page
    // faded; with 0: the page's pictures plain. Turns to the slot's page
    // first if the panel shows the other one; a slot outside 0 to 12 changes
    // nothing.
    Update SelectSlot(int slot, int selected);
    // A click on the slot's picture or faded picture toggles its selection;
    // nothing for a slot outside 0 to 12.
    std::optional<ClickResult> Click(int slot);

private:
    static bool IsSlot(int slot) { return slot >= 0 && slot < kSlotCount; }
    SlotView& At(int slot) { return m_slots[static_cast<std::size_t>(slot)]; }
    void Set(int slot, const SlotView& view, Update& update);

    int m_page = 0;
    std::array<SlotView, kSlotCount> m_slots{};
};

}  // namespace q5

/*
 * Which gesture slot the main window has selected, and everything the
 * window shows because of it: the latched slot button, the function and
 * restore-default buttons (shown while a slot is selected, in place of the
 * mouse picture), the function button's caption, and the two names painted
 * under it. The window copies this state onto its controls after each call.
 *
 * Deselecting a slot keeps it as the selected slot number, so the painted
 * names still show it; only a page button (slot -1) clears the number.
 */
#pragma once

#include <array>
#include <functional>
#include <string>

#include "model/ButtonName.h"
#include "model/GestureSlots.h"

namespace q5 {

class SlotSelection {
public:
    static constexpr int kNoSlot = -1;
    // Slots shown on the second page of the gesture picture panel.
    static constexpr int kFirstSlotOfSecondPage = 7;

    // What a click of a slot button asks of the gesture picture panel.
    struct PanelRequest {
        int page = 0;
        int slot = 0;
        int latched = 0;
    };

    // The display text of the slot's factory function.
    using DefaultName = std::function<std::u16string(int slot)>;

    SlotSelection(const ButtonName& names, DefaultName defaultName)
        : names_(names), defaultName_(std::move(defaultName)) {}

    // Selects `slot` when `flag` is 0, deselects it otherwise; a slot outside
    // 0 to 12 clears the selection.
    void SetSelectedSlot(int slot, int flag);
    // A click of slot button `slot`: toggles its selection.
    PanelRequest ClickSlotButton(int slot);
    // A page button: shows the mouse picture and unlatches every slot.
    void ClearSelection() { SetSelectedSlot(kNoSlot, 0); }
    // Recomputes the painted names of the selected slot; false when there is
    // none (the names stay as they were).
    bool RefreshSlotTexts();
    void SetFunctionCaption(std::u16string caption) { functionCaption_ = std::move(caption); }

    int selected() const { return selected_; }
    bool HasSlot() const { return IsSlot(selected_); }
    int IsLatched(int slot) const { return latched_.at(static_cast<std::size_t>(slot)); }
    // Whether the function and restore-default buttons show (and the mouse
    // picture does not).
    bool FunctionShown() const { return functionShown_; }
    const std::u16string& functionCaption() const { return functionCaption_; }
    const std::u16string& defaultNameText() const { return defaultNameText_; }
    const std::u16string& currentNameText() const { return currentNameText_; }

    static bool IsSlot(int slot) { return slot >= 0 && slot < kSlotCount; }

private:
    const ButtonName& names_;
    DefaultName defaultName_;
    std::array<int, kSlotCount> latched_{};
    int selected_ = 0;
    bool functionShown_ = false;
    std::u16string functionCaption_;
    std::u16string defaultNameText_;
    std::u16string currentNameText_;
};

}  // namespace q5

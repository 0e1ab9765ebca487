#include "app/SlotSelection.h"

namespace q5 {

void SlotSelection::SetSelectedSlot(int slot, int flag) {
    if (IsSlot(slot)) {
        functionCaption_ = names_.name(slot);
        latched_[static_cast<std::size_t>(slot)] = flag == 0 ? 1 : 0;
        functionShown_ = flag == 0;
    } else {
        functionShown_ = false;
    }
    for (int other = 0; other < kSlotCount; ++other) {
        if (other != slot) {
            latched_[static_cast<std::size_t>(other)] = 0;
        }
    }
    selected_ = slot;
    RefreshSlotTexts();
}

SlotSelection::PanelRequest SlotSelection::ClickSlotButton(int slot) {
    selected_ = slot;
    RefreshSlotTexts();
    SetSelectedSlot(slot, IsLatched(slot));
    return {slot >= kFirstSlotOfSecondPage ? 1 : 0, slot, IsLatched(slot)};
}

bool SlotSelection::RefreshSlotTexts() {
    if (!HasSlot()) {
        return false;
    }
    defaultNameText_ = defaultName_ ? defaultName_(selected_) : std::u16string();
    currentNameText_ = names_.name(selected_);
    return true;
}

}  // namespace q5

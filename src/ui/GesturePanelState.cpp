#include "ui/GesturePanelState.h"

namespace q5 {
namespace {

// The first and one-past-last slot shown on a page.
constexpr std::array<std::array<int, 2>, GesturePanelState::kPageCount> kPageSlots{{
    {0, 7},
    {7, kSlotCount},
}};

}  // namespace

GesturePanelState::GesturePanelState() {
    ShowPage(0);
}

const GesturePanelState::SlotView& GesturePanelState::Slot(int slot) const {
    return m_slots.at(static_cast<std::size_t>(slot));
}

void GesturePanelState::Set(int slot, const SlotView& view, Update& update) {
    SlotView& current = At(slot);
    const auto index = static_cast<std::size_t>(slot);
    if (view.picture != current.picture || view.faded != current.faded ||
        view.label != current.label) {
        update.shown.set(index);
    }
    if (view.latched != current.latched) {
        update.latched.set(index);
    }
    current = view;
}

GesturePanelState::Update GesturePanelState::ShowPage(int page) {
    Update update;
    if (page < 0 || page >= kPageCount) {
        return update;
    }
    m_page = page;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const bool onPage = PageOfSlot(slot) == page;
        Set(slot, SlotView{onPage, false, onPage, 0}, update);
    }
    return update;
}

GesturePanelState::Update GesturePanelState::SelectSlot(int slot, int selected) {
    Update update;
    if (!IsSlot(slot)) {
        return update;
    }
    // Only the page on screen can show a selection; the main dialog turns
    // the page first, a caller that does not gets the same result.
    if (PageOfSlot(slot) != m_page) {
        update = ShowPage(PageOfSlot(slot));
    }
    const int latch = selected != 0 ? 1 : 0;
    const auto [first, last] = kPageSlots[static_cast<std::size_t>(m_page)];
    for (int other = first; other < last; ++other) {
        // The chosen picture latched; with a selection every other picture
        // of the page faded, without one every picture plain.
        const bool chosen = other == slot && latch != 0;
        SlotView view = At(other);
        view.picture = chosen || latch == 0;
        view.faded = !view.picture;
        view.latched = chosen ? 1 : 0;
        Set(other, view, update);
    }
    return update;
}

std::optional<GesturePanelState::ClickResult> GesturePanelState::Click(int slot) {
    if (!IsSlot(slot)) {
        return std::nullopt;
    }
    const int before = At(slot).latched;
    ClickResult result;
    result.notification = Notification{slot, before};
    result.update = SelectSlot(slot, before == 0 ? 1 : 0);
    return result;
}

}  // namespace q5

#include "model/GestureSlots.h"

namespace q5 {
namespace {

constexpr std::array<std::string_view, kSlotCount> kGestureLabelKeys = {
    "tc_singleleftclk",     "tc_singlerightclk",        "tc_dblrightclick",
    "tc_singlescrollup",    "tc_singlescrolldown",      "tc_singlescrollleft",
    "tc_singlescrollright", "tc_singleedgescrollright", "tc_singleedgescrollleft",
    "tc_dblscrollup",       "tc_dblscrolldown",         "tc_dblscrollleft",
    "tc_dblscrollright"};

constexpr int kFirstSlotOfSecondPage = 7;

}  // namespace

std::optional<int> SlotOfGesture(GestureId id) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (kFactoryTable[static_cast<std::size_t>(slot)] == id) {
            return slot;
        }
    }
    return std::nullopt;
}

ActionCode FactoryCodeOfSlot(int slot) {
    return static_cast<ActionCode>(kFactoryTable.at(static_cast<std::size_t>(slot)));
}

std::string_view GestureLabelKey(int slot) {
    return kGestureLabelKeys.at(static_cast<std::size_t>(slot));
}

int PageOfSlot(int slot) {
    return slot < kFirstSlotOfSecondPage ? 0 : 1;
}

}  // namespace q5

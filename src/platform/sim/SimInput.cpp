#include "platform/sim/SimInput.h"

#include <algorithm>

#include "platform/sim/SimKeyboardLayout.h"

namespace q5::sim {
namespace {

struct ButtonTransition {
    std::uint32_t flag;
    std::uint8_t button;
    bool down;
};

constexpr ButtonTransition kTransitions[] = {
    {kMouseEventLeftDown, kStateLButton, true},   {kMouseEventLeftUp, kStateLButton, false},
    {kMouseEventRightDown, kStateRButton, true},  {kMouseEventRightUp, kStateRButton, false},
    {kMouseEventMiddleDown, kStateMButton, true}, {kMouseEventMiddleUp, kStateMButton, false},
};

}  // namespace

void SimInput::KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags,
                          std::uintptr_t extraInfo) {
    journal_.Record(KeyCall{vk, scan, flags, extraInfo});
    down_[vk] = (flags & kKeyEventKeyUp) == 0;
    CountEvent();
}

void SimInput::MouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy, std::int32_t data,
                          std::uintptr_t extraInfo) {
    journal_.Record(MouseCall{flags, dx, dy, data, extraInfo});
    SetButtons(flags, data);
    CountEvent();
}

void SimInput::AfterEvents(std::uint64_t count, std::function<void()> action) {
    eventsToAction_ = action ? count : 0;
    action_ = eventsToAction_ != 0 ? std::move(action) : nullptr;
}

void SimInput::CountEvent() {
    if (eventsToAction_ == 0 || --eventsToAction_ != 0) {
        return;
    }
    // The action may schedule the next one.
    std::function<void()> action = std::move(action_);
    action_ = nullptr;
    action();
}

void SimInput::SetButtons(std::uint32_t flags, std::int32_t data) {
    for (const auto& t : kTransitions) {
        if (flags & t.flag) {
            down_[t.button] = t.down;
        }
    }
    if (flags & (kMouseEventXDown | kMouseEventXUp)) {
        const bool down = (flags & kMouseEventXDown) != 0;
        if (data & kXButton1) {
            down_[kStateXButton1] = down;
        }
        if (data & kXButton2) {
            down_[kStateXButton2] = down;
        }
    }
}

std::uint32_t SimInput::MapVirtualKeyW(std::uint32_t code, std::uint32_t mapType) {
    return SimKeyboardLayout::Map(code, mapType);
}

int SimInput::ToAscii(std::uint32_t vk, std::uint32_t /*scan*/, const KeyState& keyState,
                      std::uint16_t& character, std::uint32_t /*flags*/) {
    if (vk > 0xFF) {
        return 0;
    }
    const char produced = SimKeyboardLayout::Character(static_cast<std::uint8_t>(vk), keyState);
    if (produced == '\0') {
        return 0;
    }
    character = static_cast<unsigned char>(produced);
    return SimKeyboardLayout::IsDeadKey(layout_, static_cast<std::uint8_t>(vk)) ? -1 : 1;
}

bool SimInput::AnythingDown() const {
    return std::any_of(down_.begin(), down_.end(), [](bool down) { return down; });
}

}  // namespace q5::sim

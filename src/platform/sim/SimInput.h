/*
 * Simulated input: records every synthesised event in the journal and keeps
 * the state the events leave behind (which keys and mouse buttons are down),
 * like a small model of the system's input queue. A script can act after a
 * number of events, as a user who reacts to what the program types.
 */
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "platform/Input.h"
#include "platform/sim/CallJournal.h"
#include "platform/sim/SimKeyboardLayout.h"

namespace q5::sim {

// Mouse buttons as the key-state array of Windows holds them.
inline constexpr std::uint8_t kStateLButton = 0x01;
inline constexpr std::uint8_t kStateRButton = 0x02;
inline constexpr std::uint8_t kStateMButton = 0x04;
inline constexpr std::uint8_t kStateXButton1 = 0x05;
inline constexpr std::uint8_t kStateXButton2 = 0x06;

class SimInput final : public Input {
public:
    explicit SimInput(CallJournal& journal) : journal_(journal) {}

    void KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags,
                    std::uintptr_t extraInfo) override;
    void MouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy, std::int32_t data,
                    std::uintptr_t extraInfo) override;
    std::intptr_t GetMessageExtraInfo() override { return messageExtraInfo_; }
    std::uint32_t MapVirtualKeyW(std::uint32_t code, std::uint32_t mapType) override;
    int ToAscii(std::uint32_t vk, std::uint32_t scan, const KeyState& keyState,
                std::uint16_t& character, std::uint32_t flags) override;

    void SetMessageExtraInfo(std::intptr_t value) { messageExtraInfo_ = value; }
    void SetLayout(SimLayoutVariant variant) { layout_ = variant; }

    // Whether a key or mouse button (by its virtual-key code) is held down now.
    bool IsDown(std::uint8_t vk) const { return down_[vk]; }
    // Whether anything at all is held down.
    bool AnythingDown() const;

    // Runs `action` once, right after the `count`-th event from now (key or
    // mouse); replaces an action still waiting. An empty action, or a count
    // of 0, only cancels it.
    void AfterEvents(std::uint64_t count, std::function<void()> action);

private:
    void SetButtons(std::uint32_t flags, std::int32_t data);
    void CountEvent();

    CallJournal& journal_;
    std::intptr_t messageExtraInfo_ = 0;
    SimLayoutVariant layout_ = SimLayoutVariant::UnitedStates;
    std::array<bool, 256> down_{};
    std::uint64_t eventsToAction_ = 0;
    std::function<void()> action_;
};

}  // namespace q5::sim

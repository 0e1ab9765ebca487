/*
 * Playback of recorded keys: one key or mouse button at a time with real scan
 * codes, never the extended-key flag, and 50 ms after every keyboard event
 * so that slow applications see each step. Plays the combinations of
 * gesture slots and, step by step, the events of macros.
 */
#pragma once

#include <cstdint>

#include "actions/CombinationPlayer.h"
#include "platform/Platform.h"

namespace q5 {

// The pause after every keyboard event of a recorded combination or macro.
inline constexpr std::uint32_t kKeyEventPauseMs = 50;

// The generic key that a sided modifier (left/right Shift, Ctrl, Alt) is sent
// as; any other code unchanged.
std::uint8_t FoldSidedModifier(std::uint8_t code);

class KeyCodePlayer final : public CombinationPlayer {
public:
    explicit KeyCodePlayer(Platform platform) : input_(platform.input), clock_(platform.clock) {}

    // Presses or releases one key code: a virtual key (the sided modifier
    // keys sent as the generic ones) or one of the mouse-button codes.
    void PressOrReleaseKeyCode(std::uint8_t code, bool release);

    // Holds the selected modifiers (Ctrl, Shift, Alt, Win), taps the first
    // then the second key, and lets the modifiers go in the same order.
    void PlayCombination(const Combination& combination) override;

private:
    void SendKey(std::uint8_t vk, bool release);

    Input& input_;
    Clock& clock_;
};

}  // namespace q5

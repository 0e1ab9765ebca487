/*
 * Playback of a recorded macro by its number in the macro table.
 */
#pragma once

#include <cstdint>

namespace q5 {

class MacroPlayer {
public:
    virtual ~MacroPlayer() = default;
    virtual void PlayMacro(std::uint8_t macroNumber) = 0;
};

}  // namespace q5

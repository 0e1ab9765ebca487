/*
 * One recorded macro as it is stored: tagMACROINFO (2140 bytes) with its
 * MacroStep events (8 bytes each). Integers are little-endian.
 *
 *   tagMACROINFO                      MacroStep
 *   0     reserved (4)                0  vk (key code)
 *   4     delayFlag (4, signed)       1  keyUp (1: release)
 *   8     loopFlag (4, signed)        2  padding (2)
 *   12    loopCount (4, signed)       4  delayAfter (4, signed, ms)
 *   16    stepCount (2)
 *   18    padding (2)
 *   20    steps: 200 x MacroStep
 *   1620  name: 260 UTF-16 code units
 */
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace q5 {

struct MacroStep {
    std::uint8_t vk = 0;
    std::uint8_t keyUp = 0;
    std::array<std::uint8_t, 2> padding{};
    std::array<std::uint8_t, 4> delayAfterBytes{};

    std::int32_t delayAfter() const;
    void setDelayAfter(std::int32_t milliseconds);

    bool operator==(const MacroStep&) const = default;
};

static_assert(sizeof(MacroStep) == 8);

struct tagMACROINFO {
    static constexpr std::size_t kSize = 2140;
    static constexpr std::size_t kStepSlots = 200;
    // The last step slot is never filled.
    static constexpr std::size_t kMaxSteps = 199;
    static constexpr std::size_t kNameUnits = 260;
    // The editor's count field takes two digits.
    static constexpr std::int32_t kMaxLoopCount = 99;

    std::array<std::uint8_t, 4> reserved{};
    std::array<std::uint8_t, 4> delayFlagBytes{};
    std::array<std::uint8_t, 4> loopFlagBytes{};
    std::array<std::uint8_t, 4> loopCountBytes{};
    std::array<std::uint8_t, 2> stepCountBytes{};
    std::array<std::uint8_t, 2> padding{};
    std::array<MacroStep, kStepSlots> steps{};
    std::array<std::uint8_t, 2 * kNameUnits> nameBytes{};

    std::int32_t delayFlag() const;
    void setDelayFlag(std::int32_t value);
    std::int32_t loopFlag() const;
    void setLoopFlag(std::int32_t value);
    std::int32_t loopCount() const;
    void setLoopCount(std::int32_t value);
    std::uint16_t stepCount() const;
    void setStepCount(std::uint16_t value);

    // The steps in use: `stepCount` of them, never more than the slots hold.
    std::size_t usedSteps() const;
    // How often playback plays the steps: once, or the loop count when the
    // loop option is on (none when it is 0 or less). A stored count beyond
    // what the editor can set would block the window thread for ages: it
    // counts as the largest count the editor sets.
    std::int32_t playRounds() const;

    std::u16string name() const;
    // Cuts the name to 259 characters.
    void setName(std::u16string_view name);

    bool operator==(const tagMACROINFO&) const = default;
};

static_assert(sizeof(tagMACROINFO) == tagMACROINFO::kSize);
static_assert(offsetof(tagMACROINFO, delayFlagBytes) == 4);
static_assert(offsetof(tagMACROINFO, loopFlagBytes) == 8);
static_assert(offsetof(tagMACROINFO, loopCountBytes) == 12);
static_assert(offsetof(tagMACROINFO, stepCountBytes) == 16);
static_assert(offsetof(tagMACROINFO, steps) == 20);
static_assert(offsetof(tagMACROINFO, nameBytes) == 1620);

}  // namespace q5

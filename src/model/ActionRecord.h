/*
 * ActionRecord: the function assigned to one gesture slot, as the 526-byte
 * packed record that the stored images hold.
 *
 *   byte 0       unused (zero in records this system creates)
 *   byte 1       ActionCode
 *   byte 2       macro number (code 20)
 *   bytes 3..5   combination: modifier mask, first key, second key (code 19)
 *   bytes 6..525 path: NUL-terminated UTF-16, 260 code units (code 25)
 *
 * A field that the code does not use keeps whatever it held: changing the
 * code never clears the other fields.
 */
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/ActionCode.h"

namespace q5 {

// A recorded key combination: modifier mask (0x01 Ctrl, 0x02 Shift, 0x04 Alt,
// 0x08 Win) and up to two virtual-key codes.
struct Combination {
    std::uint8_t modifiers = 0;
    std::uint8_t firstKey = 0;
    std::uint8_t secondKey = 0;

    // A combination is valid when at least one of its bytes is set.
    bool IsValid() const { return modifiers != 0 || firstKey != 0 || secondKey != 0; }
    bool operator==(const Combination&) const = default;
};

struct ActionRecord {
    static constexpr std::size_t kSize = 526;
    static constexpr std::size_t kCodeOffset = 1;
    static constexpr std::size_t kMacroOffset = 2;
    static constexpr std::size_t kCombinationOffset = 3;
    static constexpr std::size_t kPathOffset = 6;
    static constexpr std::size_t kPathUnits = 260;

    std::array<std::uint8_t, kSize> bytes{};

    // A record that carries only a code, all else zero.
    static ActionRecord WithCode(ActionCode code);

    ActionCode code() const { return static_cast<ActionCode>(bytes[kCodeOffset]); }
    std::uint8_t codeByte() const { return bytes[kCodeOffset]; }
    void setCode(ActionCode code) { bytes[kCodeOffset] = ToByte(code); }

    std::uint8_t macroNumber() const { return bytes[kMacroOffset]; }
    void setMacroNumber(std::uint8_t number) { bytes[kMacroOffset] = number; }

    Combination combination() const;
    void setCombination(const Combination& combination);

    std::u16string path() const;
    // Cuts the path to 259 code units.
    void setPath(std::u16string_view path);

    bool operator==(const ActionRecord&) const = default;
};

static_assert(sizeof(ActionRecord) == ActionRecord::kSize);
static_assert(ActionRecord::kPathOffset + 2 * ActionRecord::kPathUnits == ActionRecord::kSize);

}  // namespace q5

/*
 * MacroTable: every macro as one 214004-byte image, the exact content of the
 * stored "MacroSetting" value.
 *
 *   0       100 x tagMACROINFO   slot i holds macro number i
 *   214000  count (4 bytes)      number of macros in use
 *
 * At most 99 macros are written: slot 99 is never filled, and only numbers
 * 0 to 98 name a macro to play. A table read from the registry is taken as
 * it stands, bounded by its 100 slots: a stored count above 100 counts 100,
 * so nothing outside the slots is ever read.
 */
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "editors/MacroInfo.h"

namespace q5 {

struct MacroTable {
    static constexpr std::size_t kSize = 214004;
    static constexpr std::size_t kSlots = 100;
    static constexpr std::size_t kMaxMacros = 99;
    static constexpr std::size_t kCountOffset = 214000;

    std::array<tagMACROINFO, kSlots> macros{};
    std::array<std::uint8_t, 4> countBytes{};

    std::uint32_t storedCount() const;
    void setCount(std::uint32_t count);
    // The macros in use: the stored count, at most the 100 slots.
    std::size_t count() const;

    // The macro with this number, or null when the number names no macro
    // (99 and above: slot 99 is never filled).
    const tagMACROINFO* Macro(std::size_t number) const;

    // The whole image as bytes, as it is stored.
    std::uint8_t* data() { return reinterpret_cast<std::uint8_t*>(this); }
    const std::uint8_t* data() const { return reinterpret_cast<const std::uint8_t*>(this); }

    bool operator==(const MacroTable&) const = default;
};

static_assert(sizeof(MacroTable) == MacroTable::kSize);
static_assert(offsetof(MacroTable, countBytes) == MacroTable::kCountOffset);

}  // namespace q5

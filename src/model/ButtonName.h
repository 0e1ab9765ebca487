/*
 * ButtonName: the display name of each slot's function as the user
 * interface last set it, one 18404-byte image.
 *
 *   0      36 bytes     reserved
 *   36     13 x 540     per slot: NUL-terminated UTF-16 name in 520 bytes
 *                       (at most 259 characters), then 20 unused bytes
 *   7056   11348 bytes  reserved
 */
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/GestureSlots.h"

namespace q5 {

struct ButtonNameEntry {
    static constexpr std::size_t kNameBytes = 520;

    std::array<std::uint8_t, kNameBytes> name{};
    std::array<std::uint8_t, 20> unused{};
};

static_assert(sizeof(ButtonNameEntry) == 540);

struct ButtonName {
    static constexpr std::size_t kSize = 18404;
    static constexpr std::size_t kEntriesOffset = 36;
    static constexpr std::size_t kTailOffset = 7056;

    std::array<std::uint8_t, 36> reserved{};
    std::array<ButtonNameEntry, kSlotCount> entries{};
    std::array<std::uint8_t, 11348> reservedTail{};

    std::u16string name(int slot) const;
    // Cuts the name to 259 characters.
    void setName(int slot, std::u16string_view name);

    // The whole image as bytes, as it is stored.
    std::uint8_t* data() { return reinterpret_cast<std::uint8_t*>(this); }
    const std::uint8_t* data() const { return reinterpret_cast<const std::uint8_t*>(this); }

    bool operator==(const ButtonName&) const = default;
};

static_assert(sizeof(ButtonName) == ButtonName::kSize);
static_assert(offsetof(ButtonName, entries) == ButtonName::kEntriesOffset);
static_assert(offsetof(ButtonName, reservedTail) == ButtonName::kTailOffset);

}  // namespace q5

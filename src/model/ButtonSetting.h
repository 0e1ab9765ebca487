/*
 * ButtonSetting: the assignment of all gesture slots as one 17384-byte image.
 *
 *   0      12 bytes     reserved
 *   12     4 bytes      count of extra records in use (0..20; more reads as 20)
 *   16     13 x 526     the ActionRecord of each slot
 *   6854   20 x 526     the extra record list (carried, never performed)
 *   17374  10 bytes     reserved
 *
 * Every byte the system does not interpret is carried along unchanged; the
 * image is always read and written whole.
 */
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/ActionRecord.h"
#include "model/GestureSlots.h"

namespace q5 {

struct ButtonSetting {
    static constexpr std::size_t kSize = 17384;
    static constexpr std::size_t kExtraRecordLimit = 20;
    static constexpr std::size_t kExtraCountOffset = 12;
    static constexpr std::size_t kSlotsOffset = 16;
    static constexpr std::size_t kExtraOffset = 6854;
    static constexpr std::size_t kTailOffset = 17374;

    std::array<std::uint8_t, 12> reserved{};
    std::array<std::uint8_t, 4> extraCountBytes{};
    std::array<ActionRecord, kSlotCount> slots{};
    std::array<ActionRecord, kExtraRecordLimit> extra{};
    std::array<std::uint8_t, 10> reservedTail{};

    // The image with each slot holding its factory code and zero elsewhere.
    static ButtonSetting Factory();

    ActionRecord& slot(int index) { return slots.at(static_cast<std::size_t>(index)); }
    const ActionRecord& slot(int index) const { return slots.at(static_cast<std::size_t>(index)); }

    // The stored count as it stands in the image.
    std::uint32_t storedExtraCount() const;
    // The number of extra records in use: the stored count, at most 20.
    std::size_t extraCount() const;

    // The whole image as bytes, as it is stored.
    std::uint8_t* data() { return reinterpret_cast<std::uint8_t*>(this); }
    const std::uint8_t* data() const { return reinterpret_cast<const std::uint8_t*>(this); }

    bool operator==(const ButtonSetting&) const = default;
};

static_assert(sizeof(ButtonSetting) == ButtonSetting::kSize);
static_assert(offsetof(ButtonSetting, extraCountBytes) == ButtonSetting::kExtraCountOffset);
static_assert(offsetof(ButtonSetting, slots) == ButtonSetting::kSlotsOffset);
static_assert(offsetof(ButtonSetting, extra) == ButtonSetting::kExtraOffset);
static_assert(offsetof(ButtonSetting, reservedTail) == ButtonSetting::kTailOffset);

}  // namespace q5

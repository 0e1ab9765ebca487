/*
 * DeviceEvent: the 56-byte buffer of the fetch request. The worker fills in
 * the device name once; the driver writes the event code of the oldest
 * queued gesture into the first four bytes of the same buffer.
 *
 *   0    4 bytes    event code (little-endian)
 *   4    50 bytes   device name, NUL-terminated
 *   54   2 bytes    zero
 */
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/DriverProtocol.h"

namespace q5 {

struct DeviceEvent {
    static constexpr std::size_t kSize = 56;
    static constexpr std::size_t kCodeOffset = 0;
    static constexpr std::size_t kNameOffset = 4;
    static constexpr std::size_t kTailOffset = 54;

    std::array<std::uint8_t, 4> codeBytes{};
    std::array<std::uint8_t, kDeviceNameFieldSize> name{};
    std::array<std::uint8_t, 2> tail{};

    // A zeroed buffer carrying the device name, ready for the first fetch.
    static DeviceEvent ForFetch();

    std::uint32_t eventCode() const;
    void setEventCode(std::uint32_t code);

    std::span<std::uint8_t, kSize> bytes();
    std::span<const std::uint8_t, kSize> bytes() const;

    bool operator==(const DeviceEvent&) const = default;
};

static_assert(sizeof(DeviceEvent) == DeviceEvent::kSize);
static_assert(offsetof(DeviceEvent, codeBytes) == DeviceEvent::kCodeOffset);
static_assert(offsetof(DeviceEvent, name) == DeviceEvent::kNameOffset);
static_assert(offsetof(DeviceEvent, tail) == DeviceEvent::kTailOffset);

}  // namespace q5

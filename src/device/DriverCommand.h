/*
 * DriverCommand: the 216-byte record of every command sent to the driver.
 * Each command sets only its own fields; every other byte is zero.
 *
 *   0    4 bytes    command: 1 register, 20 button mask, 128 key list
 *   4    4 bytes    button mask (command 20)
 *   8    4 bytes    0x00070601 (command 20)
 *   12   44 bytes   zero
 *   56   4 bytes    0x200 (command 128)
 *   60   96 bytes   the 24 key-list entries in list order (command 128)
 *   156  50 bytes   device name, NUL-terminated (every command)
 *   206  2 bytes    zero
 *   208  4 bytes    semaphore handle value (command 1)
 *   212  4 bytes    zero
 */
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/DriverProtocol.h"
#include "device/KeyList.h"

namespace q5 {

inline constexpr std::uint32_t kCommandRegister = 1;
inline constexpr std::uint32_t kCommandButtonMask = 20;
inline constexpr std::uint32_t kCommandKeyList = 128;

struct DriverCommand {
    static constexpr std::size_t kSize = 216;
    static constexpr std::size_t kMaskOffset = 4;
    static constexpr std::size_t kMaskTagOffset = 8;
    static constexpr std::size_t kKeyListTagOffset = 56;
    static constexpr std::size_t kKeysOffset = 60;
    static constexpr std::size_t kNameOffset = 156;
    static constexpr std::size_t kSemaphoreOffset = 208;

    static constexpr std::uint32_t kMaskTag = 0x00070601;
    static constexpr std::uint32_t kKeyListTag = 0x200;

    std::array<std::uint8_t, 4> commandBytes{};
    std::array<std::uint8_t, 4> maskBytes{};
    std::array<std::uint8_t, 4> maskTagBytes{};
    std::array<std::uint8_t, 44> reserved1{};
    std::array<std::uint8_t, 4> keyListTagBytes{};
    std::array<std::uint8_t, 4 * KeyList::kCapacity> keyBytes{};
    std::array<std::uint8_t, kDeviceNameFieldSize> name{};
    std::array<std::uint8_t, 2> reserved2{};
    std::array<std::uint8_t, 4> semaphoreBytes{};
    std::array<std::uint8_t, 4> reserved3{};

    // Command 1: the driver is to release the semaphore with this handle
    // value once for every event it queues.
    static DriverCommand Register(std::uint32_t semaphoreValue);
    // Command 20: the button and wheel gestures to report, one bit each.
    static DriverCommand ButtonMask(std::uint32_t mask);
    // Command 128: the complete list of key combinations to report.
    static DriverCommand KeyListCommand(const KeyList::Entries& keys);

    // Reads a received record (the simulated receiver's side).
    static DriverCommand FromBytes(std::span<const std::uint8_t, kSize> bytes);

    std::uint32_t command() const;
    std::uint32_t mask() const;
    std::uint32_t semaphoreValue() const;
    KeyList::Entries keys() const;

    std::span<const std::uint8_t, kSize> bytes() const;

    bool operator==(const DriverCommand&) const = default;
};

static_assert(sizeof(DriverCommand) == DriverCommand::kSize);
static_assert(offsetof(DriverCommand, maskBytes) == DriverCommand::kMaskOffset);
static_assert(offsetof(DriverCommand, maskTagBytes) == DriverCommand::kMaskTagOffset);
static_assert(offsetof(DriverCommand, keyListTagBytes) == DriverCommand::kKeyListTagOffset);
static_assert(offsetof(DriverCommand, keyBytes) == DriverCommand::kKeysOffset);
static_assert(offsetof(DriverCommand, name) == DriverCommand::kNameOffset);
static_assert(offsetof(DriverCommand, semaphoreBytes) == DriverCommand::kSemaphoreOffset);
static_assert(offsetof(DriverCommand, reserved3) + 4 == DriverCommand::kSize);

}  // namespace q5

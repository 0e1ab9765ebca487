/*
 * The contract with the mouse's kernel driver that both records share: the
 * device path, the control codes, the device name string carried in every
 * record, and the message by which the worker hands an event to the window.
 */
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace q5 {

inline constexpr std::u16string_view kDriverDevicePath = u"\\\\.\\kvq5ms";

// Fetch one queued event: a DeviceEvent in, the same 56 bytes out.
inline constexpr std::uint32_t kIoctlFetchEvent = 0x222408;
// Send one DriverCommand; no output.
inline constexpr std::uint32_t kIoctlSendCommand = 0x22240C;

// Posted by the worker thread to the target window: wParam the event code.
inline constexpr std::uint32_t kDriverEventMessage = 0x7EB;

inline constexpr std::string_view kDriverDeviceName = "Korvo 5G Wirless Touch Mouse";
inline constexpr std::size_t kDeviceNameFieldSize = 50;

// Writes the device name into a record's name field: at most 49 characters
// and the terminator; the rest of the field is left as it is.
void StoreDeviceName(std::span<std::uint8_t, kDeviceNameFieldSize> field);

}  // namespace q5

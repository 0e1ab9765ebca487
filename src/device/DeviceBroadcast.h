/*
 * The device-change broadcast records, as byte images in the Windows
 * layout: the filter that registers for device-interface notifications of
 * the USB device class, and the reading of an arrival's interface name.
 *
 *   0    4 bytes    size of the record
 *   4    4 bytes    device type (5: device interface)
 *   8    4 bytes    reserved
 *   12   16 bytes   interface class GUID (device interface records)
 *   28   ...        interface name, NUL-terminated UTF-16
 */
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace q5 {

inline constexpr std::uint32_t kDbtDeviceArrival = 0x8000;
inline constexpr std::uint32_t kDbtDeviceRemoveComplete = 0x8004;
inline constexpr std::uint32_t kDbtDevtypDeviceInterface = 5;

inline constexpr std::size_t kBroadcastSizeOffset = 0;
inline constexpr std::size_t kBroadcastTypeOffset = 4;
inline constexpr std::size_t kBroadcastClassOffset = 12;
inline constexpr std::size_t kBroadcastNameOffset = 28;
inline constexpr std::size_t kInterfaceFilterSize = 32;

// GUID_DEVINTERFACE_USB_DEVICE {A5DCBF10-6530-11D2-901F-00C04FB951ED} as
// its 16 bytes in memory.
inline constexpr std::array<std::uint8_t, 16> kUsbDeviceInterfaceClass = {
    0x10, 0xBF, 0xDC, 0xA5, 0x30, 0x65, 0xD2, 0x11, 0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED};

// The registration filter: size 32, device type 5, the USB device class,
// an empty name.
std::array<std::uint8_t, kInterfaceFilterSize> UsbDeviceInterfaceFilter();

// The interface name of a device-interface broadcast, read no further than
// the bytes given: `broadcast` is the record already cut to its own size
// field (win::BroadcastRecord does that for the system's records); none for
// any other record or one too short to hold a name.
std::optional<std::u16string> InterfaceNameOfBroadcast(std::span<const std::uint8_t> broadcast);

// A broadcast record for an interface of the given class and name, as the
// system would deliver it.
std::vector<std::uint8_t> MakeInterfaceBroadcast(const std::array<std::uint8_t, 16>& interfaceClass,
                                                 std::u16string_view name);

}  // namespace q5

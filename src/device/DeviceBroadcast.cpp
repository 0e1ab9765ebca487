#include "device/DeviceBroadcast.h"

#include <algorithm>

#include "model/ByteImage.h"

namespace q5 {

std::array<std::uint8_t, kInterfaceFilterSize> UsbDeviceInterfaceFilter() {
    std::array<std::uint8_t, kInterfaceFilterSize> filter{};
    StoreU32(&filter[kBroadcastSizeOffset], kInterfaceFilterSize);
    StoreU32(&filter[kBroadcastTypeOffset], kDbtDevtypDeviceInterface);
    std::copy(kUsbDeviceInterfaceClass.begin(), kUsbDeviceInterfaceClass.end(),
              filter.begin() + kBroadcastClassOffset);
    return filter;
}

std::optional<std::u16string> InterfaceNameOfBroadcast(std::span<const std::uint8_t> broadcast) {
    if (broadcast.size() < kBroadcastNameOffset ||
        LoadU32(&broadcast[kBroadcastTypeOffset]) != kDbtDevtypDeviceInterface) {
        return std::nullopt;
    }
    return LoadUtf16(broadcast.subspan(kBroadcastNameOffset));
}

std::vector<std::uint8_t> MakeInterfaceBroadcast(const std::array<std::uint8_t, 16>& interfaceClass,
                                                 std::u16string_view name) {
    std::vector<std::uint8_t> record(kBroadcastNameOffset + 2 * (name.size() + 1), 0);
    StoreU32(&record[kBroadcastSizeOffset], static_cast<std::uint32_t>(record.size()));
    StoreU32(&record[kBroadcastTypeOffset], kDbtDevtypDeviceInterface);
    std::copy(interfaceClass.begin(), interfaceClass.end(), record.begin() + kBroadcastClassOffset);
    for (std::size_t i = 0; i < name.size(); ++i) {
        StoreU16(&record[kBroadcastNameOffset + 2 * i], static_cast<std::uint16_t>(name[i]));
    }
    return record;
}

}  // namespace q5

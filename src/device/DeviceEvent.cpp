#include "device/DeviceEvent.h"

#include "model/ByteImage.h"

namespace q5 {

DeviceEvent DeviceEvent::ForFetch() {
    DeviceEvent event;
    StoreDeviceName(event.name);
    return event;
}

std::uint32_t DeviceEvent::eventCode() const {
    return LoadU32(codeBytes.data());
}

void DeviceEvent::setEventCode(std::uint32_t code) {
    StoreU32(codeBytes.data(), code);
}

std::span<std::uint8_t, DeviceEvent::kSize> DeviceEvent::bytes() {
    return std::span<std::uint8_t, kSize>(reinterpret_cast<std::uint8_t*>(this), kSize);
}

std::span<const std::uint8_t, DeviceEvent::kSize> DeviceEvent::bytes() const {
    return std::span<const std::uint8_t, kSize>(reinterpret_cast<const std::uint8_t*>(this), kSize);
}

}  // namespace q5

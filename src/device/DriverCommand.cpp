#include "device/DriverCommand.h"

#include <cstring>

#include "model/ByteImage.h"

namespace q5 {
namespace {

DriverCommand WithCode(std::uint32_t command) {
    DriverCommand record;
    StoreU32(record.commandBytes.data(), command);
    StoreDeviceName(record.name);
    return record;
}

}  // namespace

DriverCommand DriverCommand::Register(std::uint32_t semaphoreValue) {
    DriverCommand record = WithCode(kCommandRegister);
    StoreU32(record.semaphoreBytes.data(), semaphoreValue);
    return record;
}

DriverCommand DriverCommand::ButtonMask(std::uint32_t mask) {
    DriverCommand record = WithCode(kCommandButtonMask);
    StoreU32(record.maskBytes.data(), mask);
    StoreU32(record.maskTagBytes.data(), kMaskTag);
    return record;
}

DriverCommand DriverCommand::KeyListCommand(const KeyList::Entries& keys) {
    DriverCommand record = WithCode(kCommandKeyList);
    StoreU32(record.keyListTagBytes.data(), kKeyListTag);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        StoreU32(&record.keyBytes[4 * i], keys[i]);
    }
    return record;
}

DriverCommand DriverCommand::FromBytes(std::span<const std::uint8_t, kSize> bytes) {
    DriverCommand record;
    std::memcpy(&record, bytes.data(), kSize);
    return record;
}

std::uint32_t DriverCommand::command() const {
    return LoadU32(commandBytes.data());
}

std::uint32_t DriverCommand::mask() const {
    return LoadU32(maskBytes.data());
}

std::uint32_t DriverCommand::semaphoreValue() const {
    return LoadU32(semaphoreBytes.data());
}

KeyList::Entries DriverCommand::keys() const {
    KeyList::Entries keys{};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        keys[i] = LoadU32(&keyBytes[4 * i]);
    }
    return keys;
}

std::span<const std::uint8_t, DriverCommand::kSize> DriverCommand::bytes() const {
    return std::span<const std::uint8_t, kSize>(reinterpret_cast<const std::uint8_t*>(this), kSize);
}

}  // namespace q5

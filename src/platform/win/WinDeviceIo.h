/*
 * Device I/O through the real kernel32 calls.
 */
#pragma once

#include "platform/DeviceIo.h"

namespace q5::win {

class WinDeviceIo final : public DeviceIo {
public:
    KernelHandle CreateFileW(std::u16string_view path, std::uint32_t access,
                             std::uint32_t shareMode, std::uint32_t creationDisposition,
                             std::uint32_t flags) override;
    bool DeviceIoControl(KernelHandle device, std::uint32_t controlCode,
                         std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                         std::uint32_t* bytesReturned) override;
    bool CloseHandle(KernelHandle device) override;
};

}  // namespace q5::win

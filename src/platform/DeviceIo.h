/*
 * Device I/O: opening a device by path and exchanging control requests with
 * its driver (CreateFileW, DeviceIoControl, CloseHandle on a device handle).
 * The operations may be called from several threads at once, each call
 * synchronous.
 */
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/PlatformTypes.h"

namespace q5 {

// CreateFileW access, share mode and creation disposition.
inline constexpr std::uint32_t kGenericRead = 0x80000000;
inline constexpr std::uint32_t kGenericWrite = 0x40000000;
inline constexpr std::uint32_t kFileShareRead = 0x00000001;
inline constexpr std::uint32_t kOpenExisting = 3;

class DeviceIo {
public:
    virtual ~DeviceIo() = default;

    // No security attributes and no template; `flags` 0 is synchronous I/O.
    // Returns none on failure.
    virtual KernelHandle CreateFileW(std::u16string_view path, std::uint32_t access,
                                     std::uint32_t shareMode, std::uint32_t creationDisposition,
                                     std::uint32_t flags) = 0;

    // Synchronous request. `input` and `output` may be the same bytes: the
    // input is taken whole before the output is written. `bytesReturned`
    // may be null.
    virtual bool DeviceIoControl(KernelHandle device, std::uint32_t controlCode,
                                 std::span<const std::uint8_t> input,
                                 std::span<std::uint8_t> output, std::uint32_t* bytesReturned) = 0;

    virtual bool CloseHandle(KernelHandle device) = 0;
};

}  // namespace q5

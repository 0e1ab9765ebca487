#include "platform/win/WinDeviceIo.h"

#include "platform/win/WinHandles.h"

namespace q5::win {

KernelHandle WinDeviceIo::CreateFileW(std::u16string_view path, std::uint32_t access,
                                      std::uint32_t shareMode, std::uint32_t creationDisposition,
                                      std::uint32_t flags) {
    const std::wstring name = ToWide(path);
    return FromHandle(::CreateFileW(name.c_str(), access, shareMode, nullptr, creationDisposition,
                                    flags, nullptr));
}

bool WinDeviceIo::DeviceIoControl(KernelHandle device, std::uint32_t controlCode,
                                  std::span<const std::uint8_t> input,
                                  std::span<std::uint8_t> output, std::uint32_t* bytesReturned) {
    DWORD returned = 0;
    // The call takes a non-const input pointer but only reads it.
    const BOOL ok = ::DeviceIoControl(
        ToHandle(device), controlCode, const_cast<std::uint8_t*>(input.data()),
        static_cast<DWORD>(input.size()), output.empty() ? nullptr : output.data(),
        static_cast<DWORD>(output.size()), &returned, nullptr);
    if (bytesReturned != nullptr) {
        *bytesReturned = returned;
    }
    return ok != FALSE;
}

bool WinDeviceIo::CloseHandle(KernelHandle device) {
    return ::CloseHandle(ToHandle(device)) != FALSE;
}

}  // namespace q5::win

#include "platform/win/WinRegistry.h"

#include <windows.h>

#include "platform/win/WinHandles.h"

#include <string>

namespace q5::win {
namespace {

HKEY ToHkey(RegistryKey key) {
    return reinterpret_cast<HKEY>(key.value);
}

RegistryKey FromHkey(HKEY key) {
    return RegistryKey{reinterpret_cast<std::uintptr_t>(key)};
}

}  // namespace

long WinRegistry::RegOpenKeyExW(RegistryKey root, std::u16string_view subKey, std::uint32_t access,
                                RegistryKey& opened) {
    HKEY key = nullptr;
    const LONG status = ::RegOpenKeyExW(ToHkey(root), ToWide(subKey).c_str(), 0, access, &key);
    if (status == ERROR_SUCCESS) {
        opened = FromHkey(key);
    }
    return status;
}

long WinRegistry::RegCreateKeyExW(RegistryKey root, std::u16string_view subKey,
                                  std::uint32_t access, RegistryKey& opened) {
    HKEY key = nullptr;
    const LONG status = ::RegCreateKeyExW(ToHkey(root), ToWide(subKey).c_str(), 0, nullptr,
                                          REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
        opened = FromHkey(key);
    }
    return status;
}

long WinRegistry::RegQueryValueExW(RegistryKey key, std::u16string_view name, std::uint32_t& type,
                                   std::span<std::uint8_t> buffer, std::uint32_t& size) {
    DWORD valueType = 0;
    DWORD length = static_cast<DWORD>(buffer.size());
    const LONG status = ::RegQueryValueExW(ToHkey(key), ToWide(name).c_str(), nullptr, &valueType,
                                           buffer.data(), &length);
    type = valueType;
    size = length;
    return status;
}

long WinRegistry::RegSetValueExW(RegistryKey key, std::u16string_view name, std::uint32_t type,
                                 std::span<const std::uint8_t> data) {
    return ::RegSetValueExW(ToHkey(key), ToWide(name).c_str(), 0, type, data.data(),
                            static_cast<DWORD>(data.size()));
}

long WinRegistry::RegCloseKey(RegistryKey key) {
    return ::RegCloseKey(ToHkey(key));
}

}  // namespace q5::win

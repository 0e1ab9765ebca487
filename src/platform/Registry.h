/*
 * The registry: the operations mirror RegOpenKeyExW, RegCreateKeyExW,
 * RegQueryValueExW, RegSetValueExW and RegCloseKey, with their status codes.
 */
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace q5 {

struct RegistryKey {
    std::uintptr_t value = 0;
    explicit operator bool() const { return value != 0; }
    bool operator==(const RegistryKey&) const = default;
};

// HKEY_LOCAL_MACHINE as the system defines it: the 32-bit value 0x80000002
// sign-extended, so a 64-bit program passes 0xFFFFFFFF80000002.
inline constexpr RegistryKey kHkeyLocalMachine{static_cast<std::uintptr_t>(
    static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000002u)))};

// Status codes (the Win32 error codes the registry functions return).
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorMoreData = 234;

// Access rights.
inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyCreateSubKey = 0x0004;
inline constexpr std::uint32_t kKeyRead = 0x20019;

// Value types.
inline constexpr std::uint32_t kRegBinary = 3;

class Registry {
public:
    virtual ~Registry() = default;

    virtual long RegOpenKeyExW(RegistryKey root, std::u16string_view subKey, std::uint32_t access,
                               RegistryKey& opened) = 0;
    // Opens the key, creating it (non-volatile, default security) if missing.
    virtual long RegCreateKeyExW(RegistryKey root, std::u16string_view subKey, std::uint32_t access,
                                 RegistryKey& opened) = 0;
    // Reads a value into `buffer`; `size` receives the value's length. A value
    // longer than the buffer gives kErrorMoreData and leaves the buffer's
    // contents undefined.
    virtual long RegQueryValueExW(RegistryKey key, std::u16string_view name, std::uint32_t& type,
                                  std::span<std::uint8_t> buffer, std::uint32_t& size) = 0;
    virtual long RegSetValueExW(RegistryKey key, std::u16string_view name, std::uint32_t type,
                                std::span<const std::uint8_t> data) = 0;
    virtual long RegCloseKey(RegistryKey key) = 0;
};

}  // namespace q5

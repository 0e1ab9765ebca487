/*
 * The real registry.
 */
#pragma once

#include "platform/Registry.h"

namespace q5::win {

class WinRegistry final : public Registry {
public:
    long RegOpenKeyExW(RegistryKey root, std::u16string_view subKey, std::uint32_t access,
                       RegistryKey& opened) override;
    long RegCreateKeyExW(RegistryKey root, std::u16string_view subKey, std::uint32_t access,
                         RegistryKey& opened) override;
    long RegQueryValueExW(RegistryKey key, std::u16string_view name, std::uint32_t& type,
                          std::span<std::uint8_t> buffer, std::uint32_t& size) override;
    long RegSetValueExW(RegistryKey key, std::u16string_view name, std::uint32_t type,
                        std::span<const std::uint8_t> data) override;
    long RegCloseKey(RegistryKey key) override;
};

}  // namespace q5::win

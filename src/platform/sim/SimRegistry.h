/*
 * An in-memory registry for the simulated desktop. Keys are paths under a
 * root, compared without regard to case as Windows does. Faults can be
 * injected: access refused, writes failing, and values of any size or type
 * can be planted. A query into a buffer that is too small scribbles over the
 * buffer, as the real call may, so callers that read into their live data
 * are caught.
 */
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace q5::sim {

struct RegistryValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    bool operator==(const RegistryValue&) const = default;
};

class SimRegistry final : public Registry {
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

    // Scripting and inspection, by key path under HKEY_LOCAL_MACHINE.
    void CreateKey(std::u16string_view path);
    bool HasKey(std::u16string_view path) const;
    void SetValue(std::u16string_view path, std::u16string_view name, RegistryValue value);
    std::optional<RegistryValue> Value(std::u16string_view path, std::u16string_view name) const;

    // Opening and creating keys fails with access denied.
    void SetAccessDenied(bool denied) { accessDenied_ = denied; }
    // Setting values fails with access denied (opening still works).
    void SetWritesFail(bool fail) { writesFail_ = fail; }

    // Every open, create and close, with the access asked for.
    struct KeyAccess {
        std::string operation;  // "open", "create", "close"
        std::u16string path;
        std::uint32_t access = 0;
    };
    const std::vector<KeyAccess>& accessLog() const { return accessLog_; }
    // Forgets the accesses logged so far (a long-lived registry keeps none).
    void ClearAccessLog() { accessLog_.clear(); }
    std::size_t openKeyCount() const { return openKeys_.size(); }

private:
    using ValueMap = std::map<std::u16string, RegistryValue>;

    static std::u16string Normalise(std::u16string_view path);
    long Open(RegistryKey root, std::u16string_view subKey, RegistryKey& opened, bool create,
              std::uint32_t access);
    ValueMap* ValuesOf(RegistryKey key);

    std::map<std::u16string, ValueMap> keys_;
    std::map<std::uintptr_t, std::u16string> openKeys_;
    std::uintptr_t nextHandle_ = 0x1000;
    bool accessDenied_ = false;
    bool writesFail_ = false;
    std::vector<KeyAccess> accessLog_;
};

}  // namespace q5::sim

#include "platform/sim/SimRegistry.h"

#include <algorithm>

namespace q5::sim {
namespace {

constexpr std::uint8_t kScribble = 0xCD;

}  // namespace

std::u16string SimRegistry::Normalise(std::u16string_view path) {
    std::u16string key(path);
    for (char16_t& c : key) {
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - u'a' + u'A');
        }
    }
    return key;
}

long SimRegistry::Open(RegistryKey root, std::u16string_view subKey, RegistryKey& opened,
                       bool create, std::uint32_t access) {
    accessLog_.push_back({create ? "create" : "open", std::u16string(subKey), access});
    if (root != kHkeyLocalMachine || accessDenied_) {
        return kErrorAccessDenied;
    }
    const std::u16string path = Normalise(subKey);
    if (!keys_.contains(path)) {
        if (!create) {
            return kErrorFileNotFound;
        }
        keys_[path];
    }
    opened = RegistryKey{nextHandle_++};
    openKeys_[opened.value] = path;
    return kErrorSuccess;
}

long SimRegistry::RegOpenKeyExW(RegistryKey root, std::u16string_view subKey, std::uint32_t access,
                                RegistryKey& opened) {
    return Open(root, subKey, opened, false, access);
}

long SimRegistry::RegCreateKeyExW(RegistryKey root, std::u16string_view subKey,
                                  std::uint32_t access, RegistryKey& opened) {
    return Open(root, subKey, opened, true, access);
}

SimRegistry::ValueMap* SimRegistry::ValuesOf(RegistryKey key) {
    const auto open = openKeys_.find(key.value);
    if (open == openKeys_.end()) {
        return nullptr;
    }
    return &keys_[open->second];
}

long SimRegistry::RegQueryValueExW(RegistryKey key, std::u16string_view name, std::uint32_t& type,
                                   std::span<std::uint8_t> buffer, std::uint32_t& size) {
    ValueMap* values = ValuesOf(key);
    if (!values) {
        return kErrorAccessDenied;
    }
    const auto value = values->find(Normalise(name));
    if (value == values->end()) {
        return kErrorFileNotFound;
    }
    type = value->second.type;
    size = static_cast<std::uint32_t>(value->second.data.size());
    if (value->second.data.size() > buffer.size()) {
        std::fill(buffer.begin(), buffer.end(), kScribble);
        return kErrorMoreData;
    }
    std::copy(value->second.data.begin(), value->second.data.end(), buffer.begin());
    return kErrorSuccess;
}

long SimRegistry::RegSetValueExW(RegistryKey key, std::u16string_view name, std::uint32_t type,
                                 std::span<const std::uint8_t> data) {
    ValueMap* values = ValuesOf(key);
    if (!values || writesFail_) {
        return kErrorAccessDenied;
    }
    // Written over the value's own bytes, so a value rewritten at the same
    // size allocates nothing.
    RegistryValue& value = (*values)[Normalise(name)];
    value.type = type;
    value.data.assign(data.begin(), data.end());
    return kErrorSuccess;
}

long SimRegistry::RegCloseKey(RegistryKey key) {
    const auto open = openKeys_.find(key.value);
    if (open == openKeys_.end()) {
        return kErrorAccessDenied;
    }
    accessLog_.push_back({"close", open->second, 0});
    openKeys_.erase(open);
    return kErrorSuccess;
}

void SimRegistry::CreateKey(std::u16string_view path) {
    keys_[Normalise(path)];
}

bool SimRegistry::HasKey(std::u16string_view path) const {
    return keys_.contains(Normalise(path));
}

void SimRegistry::SetValue(std::u16string_view path, std::u16string_view name,
                           RegistryValue value) {
    keys_[Normalise(path)][Normalise(name)] = std::move(value);
}

std::optional<RegistryValue> SimRegistry::Value(std::u16string_view path,
                                                std::u16string_view name) const {
    const auto key = keys_.find(Normalise(path));
    if (key == keys_.end()) {
        return std::nullopt;
    }
    const auto value = key->second.find(Normalise(name));
    if (value == key->second.end()) {
        return std::nullopt;
    }
    return value->second;
}

}  // namespace q5::sim

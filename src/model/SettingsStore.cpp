#include "model/SettingsStore.h"

#include <algorithm>
#include <vector>

namespace q5 {
namespace {

template <typename Image>
std::span<std::uint8_t> BytesOf(Image& image) {
    return std::span(image.data(), Image::kSize);
}

template <typename Image>
std::span<const std::uint8_t> BytesOf(const Image& image) {
    return std::span(image.data(), Image::kSize);
}

}  // namespace

SettingsStore::SettingsStore(Registry& registry, Dialogs& dialogs)
    : registry_(registry), dialogs_(dialogs), images_(std::make_unique<Images>()) {}

void SettingsStore::ResetToFactory(const LabelOfCode& labelOf) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const ActionCode code = FactoryCodeOfSlot(slot);
        working().slot(slot).setCode(code);
        names().setName(slot, labelOf(code));
    }
    Activate();
}

bool SettingsStore::OpenKey(RegistryKey& key) {
    return registry_.RegOpenKeyExW(kHkeyLocalMachine, kSettingsKey, kSettingsAccess, key) ==
           kErrorSuccess;
}

bool SettingsStore::OpenOrCreateKey(RegistryKey& key) {
    return OpenKey(key) || registry_.RegCreateKeyExW(kHkeyLocalMachine, kSettingsKey,
                                                     kSettingsAccess, key) == kErrorSuccess;
}

void SettingsStore::ReadValue(RegistryKey key, std::u16string_view name,
                              std::span<std::uint8_t> image) {
    // One buffer, as large as the largest image, serves every read.
    readBuffer_.resize(sizeof(MacroTable));
    const std::span<std::uint8_t> buffer(readBuffer_.data(), image.size());
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (registry_.RegQueryValueExW(key, name, type, buffer, size) != kErrorSuccess) {
        return;
    }
    std::copy_n(buffer.begin(), std::min<std::size_t>(size, image.size()), image.begin());
}

void SettingsStore::LoadSettings() {
    RegistryKey key;
    if (OpenKey(key)) {
        ReadValue(key, kButtonSettingValue, BytesOf(working()));
        ReadValue(key, kButtonNameValue, BytesOf(names()));
        registry_.RegCloseKey(key);
    }
    stored() = working();
    if (OpenKey(key)) {
        ReadValue(key, kMacroSettingValue, BytesOf(macros()));
        registry_.RegCloseKey(key);
    }
}

bool SettingsStore::WriteValue(RegistryKey key, std::u16string_view name,
                               std::span<const std::uint8_t> image) {
    return registry_.RegSetValueExW(key, name, kRegBinary, image) == kErrorSuccess;
}

bool SettingsStore::SaveSettings() {
    bool written = false;
    RegistryKey key;
    if (OpenOrCreateKey(key)) {
        written = WriteValue(key, kButtonSettingValue, BytesOf(working()));
        if (written) {
            stored() = working();
        }
        written = WriteValue(key, kButtonNameValue, BytesOf(names())) && written;
        registry_.RegCloseKey(key);
    }
    const bool macrosWritten = WriteAlone(kMacroSettingValue, BytesOf(macros()), true);
    return written && macrosWritten;
}

void SettingsStore::Activate() {
    images_->active = images_->working;
}

bool SettingsStore::ApplySettings(ConfigurationPusher& pusher, WindowHandle owner) {
    Activate();
    if (pusher.PushConfiguration() && SaveSettings()) {
        return true;
    }
    dialogs_.MessageBoxW(owner, kApplyWarningText, kWarningCaption, kMbOk);
    return false;
}

bool SettingsStore::SaveMacroTable() {
    return WriteAlone(kMacroSettingValue, BytesOf(macros()), false);
}

bool SettingsStore::SaveStoredAssignment() {
    return WriteAlone(kButtonSettingValue, BytesOf(stored()), false);
}

bool SettingsStore::WriteAlone(std::u16string_view name, std::span<const std::uint8_t> image,
                               bool createKey) {
    RegistryKey key;
    if (!(createKey ? OpenOrCreateKey(key) : OpenKey(key))) {
        return false;
    }
    const bool written = WriteValue(key, name, image);
    registry_.RegCloseKey(key);
    return written;
}

}  // namespace q5

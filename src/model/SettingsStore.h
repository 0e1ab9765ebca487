/*
 * The settings store owns the images of the user's settings for the whole
 * run: the working and the active copy of the assignment, the display names
 * of the slots' functions and the macro table. It fills them with the factory
 * assignment, loads and saves them as three binary registry values, and makes
 * the working copy active. It also keeps the assignment the registry holds:
 * after a failed Apply the active copy is one that was never stored.
 *
 * Values are read into a separate buffer and copied only when the read
 * succeeded: a value no longer than its image fills its leading bytes, a
 * longer one leaves the image as it was.
 */
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editors/MacroTable.h"
#include "model/ActionCode.h"
#include "model/ButtonName.h"
#include "model/ButtonSetting.h"
#include "model/ConfigurationPusher.h"
#include "platform/Dialogs.h"
#include "platform/Registry.h"

namespace q5 {

inline constexpr std::u16string_view kSettingsKey = u"Software\\Korvo\\Fingrel\\Q5";
inline constexpr std::u16string_view kButtonSettingValue = u"ButtonSetting";
inline constexpr std::u16string_view kButtonNameValue = u"ButtonName";
inline constexpr std::u16string_view kMacroSettingValue = u"MacroSetting";
inline constexpr std::uint32_t kSettingsAccess = kKeyRead | kKeyCreateSubKey | kKeySetValue;

// The warning of a failed Apply, exactly as the user sees it.
inline constexpr std::u16string_view kApplyWarningText = u"       Error code: 0x68       ";
inline constexpr std::u16string_view kWarningCaption = u"Warning";

class SettingsStore {
public:
    // The display text of a function, by its code.
    using LabelOfCode = std::function<std::u16string(ActionCode)>;

    SettingsStore(Registry& registry, Dialogs& dialogs);

    ButtonSetting& working() { return images_->working; }
    const ButtonSetting& active() const { return images_->active; }
    // The active copy changes outside Apply only where macros it plays move
    // to new numbers because the macro editor deleted macros before them.
    ButtonSetting& active() { return images_->active; }
    ButtonName& names() { return images_->names; }
    MacroTable& macros() { return images_->macros; }
    // The assignment as last loaded from or written to the registry, which
    // the next start brings back.
    const ButtonSetting& stored() const { return images_->stored; }
    // Changes only where the macro editor renumbers the macros it plays.
    ButtonSetting& stored() { return images_->stored; }

    // Each slot gets its factory code (other record bytes stay) and the label
    // of that code as its name; then the working copy becomes active.
    void ResetToFactory(const LabelOfCode& labelOf);
    void LoadSettings();
    // Writes the three values; true when every value was written.
    bool SaveSettings();
    void Activate();
    // Makes the working copy active, pushes it to the driver and saves it.
    // Shows the warning when the push or the save fails; true on success.
    bool ApplySettings(ConfigurationPusher& pusher, WindowHandle owner);
    // Writes only the macro table, into an existing key (the macro editor's
    // save on OK); true when it was written.
    bool SaveMacroTable();
    // Writes the stored assignment again, into an existing key: after the
    // macro editor renumbered its macro records, so that it plays the same
    // macros as the stored table. True when written.
    bool SaveStoredAssignment();

private:
    struct Images {
        ButtonSetting working;
        ButtonSetting active;
        ButtonSetting stored;
        ButtonName names;
        MacroTable macros;
    };

    void ReadValue(RegistryKey key, std::u16string_view name, std::span<std::uint8_t> image);
    bool OpenKey(RegistryKey& key);
    bool OpenOrCreateKey(RegistryKey& key);
    // Writes one value with a key of its own, opened (or created) for it.
    bool WriteAlone(std::u16string_view name, std::span<const std::uint8_t> image, bool createKey);
    bool WriteValue(RegistryKey key, std::u16string_view name, std::span<const std::uint8_t> image);

    Registry& registry_;
    Dialogs& dialogs_;
    std::unique_ptr<Images> images_;
    std::vector<std::uint8_t> readBuffer_;
};

}  // namespace q5

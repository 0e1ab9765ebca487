#include "app/AssignmentEditor.h"

#include "model/AssignmentRules.h"
#include "model/GestureSlots.h"

namespace q5 {

std::optional<std::u16string> AssignmentEditor::AssignFunction(int slot, std::uint16_t item,
                                                               std::uint16_t top,
                                                               AssignmentDialogs& dialogs) {
    if (slot < 0 || slot >= kSlotCount) {
        return std::nullopt;
    }
    const bool keepsLeftClick = KeepsLeftClick(store_.working(), slot, ActionCode::None);
    if (!keepsLeftClick && item != ToByte(ActionCode::LeftClick)) {
        dialogs.RefuseLeftClick();
        return std::nullopt;
    }
    const std::optional<std::uint8_t> code = ChooseCode(slot, item, top, dialogs);
    if (!code) {
        return std::nullopt;
    }
    return Store(slot, *code);
}

std::optional<std::uint8_t> AssignmentEditor::ChooseCode(int slot, std::uint16_t item,
                                                         std::uint16_t top,
                                                         AssignmentDialogs& dialogs) {
    ActionRecord& record = store_.working().slot(slot);
    switch (top) {
        case ToByte(ActionCode::Flip3D):
        case ToByte(ActionCode::KeyDisabled):
            return static_cast<std::uint8_t>(top);
        case ToByte(ActionCode::CombinationKeys): {
            const std::optional<Combination> keys = dialogs.EditCombination();
            if (!keys || !keys->IsValid() || closed_) {
                return std::nullopt;
            }
            record.setCombination(*keys);
            return ToByte(ActionCode::CombinationKeys);
        }
        case ToByte(ActionCode::Macro): {
            const std::optional<std::uint8_t> macro = dialogs.EditMacro(record.macroNumber());
            if (!macro || closed_) {
                return std::nullopt;
            }
            record.setMacroNumber(*macro);
            return ToByte(ActionCode::Macro);
        }
        default:
            // Codes are bytes; the menu sends them in a word.
            return static_cast<std::uint8_t>(item & 0xFF);
    }
}

std::u16string AssignmentEditor::Store(int slot, std::uint8_t code) {
    std::u16string text = TextOf(slot, code);
    store_.working().slot(slot).bytes[ActionRecord::kCodeOffset] = code;
    store_.names().setName(slot, text);
    return text;
}

std::u16string AssignmentEditor::RestoreDefault(int slot) {
    return Store(slot, ToByte(FactoryCodeOfSlot(slot)));
}

void AssignmentEditor::ResetToFactory() {
    if (closed_) {
        return;
    }
    store_.ResetToFactory([this](ActionCode code) { return text_.Label(code); });
}

bool AssignmentEditor::Apply(ConfigurationPusher& pusher, WindowHandle owner) {
    return !closed_ && store_.ApplySettings(pusher, owner);
}

std::u16string AssignmentEditor::TextOf(int slot, std::uint8_t code) const {
    return text_(code, store_.working().slot(slot));
}

}  // namespace q5

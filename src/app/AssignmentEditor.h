/*
 * The changes the main window makes to the assignment: a function chosen
 * in the function menu (with the left-click rule and the two editors),
 * the restore-default button, and Reset. Each change writes the working
 * copy and the slot's name in ButtonName; only Apply and Reset make it
 * active, push it to the driver and save it. Once the window is closing,
 * nothing changes any more.
 */
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/DisplayText.h"
#include "model/ConfigurationPusher.h"
#include "model/SettingsStore.h"

namespace q5 {

// The windows an assignment may need; the main window opens them.
class AssignmentDialogs {
public:
    virtual ~AssignmentDialogs() = default;
    // The combination-key dialog; none when it was cancelled.
    virtual std::optional<Combination> EditCombination() = 0;
    // The macro editor with `preselected` chosen; none when it was cancelled
    // or ended without a macro.
    virtual std::optional<std::uint8_t> EditMacro(std::uint8_t preselected) = 0;
    // Tells the user that the only left click cannot be given away.
    virtual void RefuseLeftClick() = 0;
};

class AssignmentEditor {
public:
    AssignmentEditor(SettingsStore& store, const DisplayText& text) : store_(store), text_(text) {}

    // A choice of the function menu for `slot`: `item` is the chosen code,
    // `top` the code of its top-level item. The new display text of the slot,
    // or none when nothing changed.
    std::optional<std::u16string> AssignFunction(int slot, std::uint16_t item, std::uint16_t top,
                                                 AssignmentDialogs& dialogs);
    // Gives `slot` its factory function again; the slot's new display text.
    std::u16string RestoreDefault(int slot);
    // Every slot gets its factory function and name (Reset, before Apply).
    void ResetToFactory();
    bool Apply(ConfigurationPusher& pusher, WindowHandle owner);

    // The main window is closing. A dialog still open may return after this
    // (the Reset question, an editor): from now on nothing is reset,
    // assigned, made active or saved.
    void Close() { closed_ = true; }
    bool closed() const { return closed_; }

    // The display text of `code` for the record of `slot` in the working copy.
    std::u16string TextOf(int slot, std::uint8_t code) const;

private:
    std::optional<std::uint8_t> ChooseCode(int slot, std::uint16_t item, std::uint16_t top,
                                           AssignmentDialogs& dialogs);
    std::u16string Store(int slot, std::uint8_t code);

    SettingsStore& store_;
    const DisplayText& text_;
    bool closed_ = false;
};

}  // namespace q5

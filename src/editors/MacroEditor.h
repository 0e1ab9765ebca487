/*
 * The macro editor's decisions, apart from its window: the working list of
 * macros and the list box of their names, the recorded events of the
 * selected macro, the delay and loop options with their boxes, the repeat
 * count field and its timer, and what New, Delete, renaming, Record, OK and
 * Cancel do to them. The window forwards the user's input here and shows
 * the state it reads back; tests drive the same calls.
 *
 * Macro numbers in the gesture slots follow the macros only when OK saves
 * them: Delete keeps the slots as they are until then, so Cancel leaves the
 * slots and the stored macros exactly as they were. The numbers follow in
 * both copies of the assignment: the working copy, and the active one that
 * gestures play and that is stored; a macro that either copy plays cannot be
 * deleted. So the stored assignment and the stored table always agree, and
 * no gesture plays another macro after a deletion, Apply or not.
 */
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editors/HookSwitch.h"
#include "editors/MacroList.h"
#include "editors/MacroRecorder.h"
#include "model/SettingsStore.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Input.h"
#include "ui/TextLookup.h"

namespace q5 {

// Kinds of list items, which decide their icons.
inline constexpr int kItemText = 0;
inline constexpr int kItemRelease = 2;
inline constexpr int kItemPress = 3;
inline constexpr int kItemPause = 4;

// The message that refuses a 100th macro, exactly as the user sees it.
inline constexpr std::u16string_view kMacroLimitText =
    u"    The number of macro is up to the maximum    ";

struct ListItem {
    std::u16string text;
    int kind = kItemText;
    bool operator==(const ListItem&) const = default;
};

class MacroEditor {
public:
    // What the editor works with: the stored images (its macro table, the
    // working copy of the assignment, the save of the table), the hook
    // library's switch, the tick clock, the keyboard layout for key names,
    // message boxes and the texts.
    struct Services {
        SettingsStore& settings;
        HookSwitch& hook;
        Clock& clock;
        Input& input;
        Dialogs& dialogs;
        TextLookup texts;
    };

    // `preselected`: the macro to select when the editor opens (the slot's
    // macro number), also the result while the user selects nothing else.
    MacroEditor(Services services, int preselected);

    // The window that owns the editor's message boxes.
    void SetOwner(WindowHandle owner) { owner_ = owner; }

    // Switches the reports off and fills the lists from the macro table.
    void Open();

    void PressRecord();
    void PressDelayBox();
    void PressLoopBox();
    void PressNew();
    void PressDelete();
    // OK: ends a recording, renumbers the slots of the working, active and
    // stored assignments after deletions and saves the macros (and the stored
    // assignment, when it changed).
    // Cancel (also closing) ends a recording and keeps nothing.
    void Confirm();
    void Cancel();

    // The count field's text as the user left it.
    void CountTextChanged(const std::u16string& text);
    // The count field gained (true) or lost the keyboard focus.
    void CountFocusChanged(bool focused);
    void LoopTimerTick();
    // The name list's item at `position` was edited in place to `text`.
    void NameEdited(int position, const std::u16string& text);
    // The user selected item `selection` of the name list (-1: none).
    void NameSelectionChanged(int selection);
    // A report of the hook library: key code and flags. The result is 0 for
    // an ignored report, else the flags.
    std::intptr_t KeyReport(std::uintptr_t key, std::intptr_t flags);

    // Whether the window keeps a keyboard message from the dialog manager:
    // always a key that would press a button or end the editor; while
    // recording, every key, as the user types the macro with the editor in
    // front (Alt+F4 would cancel it, arrows would switch macros), except
    // typing `toTextField` (the count field or an in-place edit of a name).
    bool KeepsKeyFromDialog(std::uint32_t message, std::uintptr_t key, bool toTextField) const;

    // The state the window shows.
    const std::vector<std::u16string>& names() const { return names_; }
    int nameSelection() const { return nameSelection_; }
    const std::vector<ListItem>& events() const { return events_; }
    bool recording() const { return recording_; }
    bool delayBoxChecked() const { return delayBox_; }
    bool loopBoxChecked() const { return loopBox_; }
    bool delayOption() const { return delayOption_; }
    bool loopOption() const { return loopOption_; }
    const std::u16string& countText() const { return countText_; }
    bool countEnabled() const { return countEnabled_; }
    bool loopTimerRunning() const { return loopTimer_; }
    // The caption of the Record button.
    std::u16string recordCaption() const;

    // The chosen macro: the number to assign to the slot, -1 for none.
    int selectedMacro() const { return selected_; }
    const MacroList& macros() const { return list_; }

private:
    void EndRecording();
    void StartRecording();
    void ShowMacro(int position);
    void ClearEvents() { events_.clear(); }
    void AddEvent(const MacroStep& step);
    void AddPause(std::int32_t milliseconds);
    // Sets the count field's text as the program does; the selected macro's
    // repeat count follows only where `stores` says so.
    void SetCountText(const std::u16string& text, bool stores);
    void SelectName(int position);
    bool InUse(int position) const;
    // True when the stored assignment changed.
    bool RenumberSlots();
    std::u16string NewMacroName() const;
    std::int32_t CountNumber() const;
    void Message(std::u16string_view text, std::u16string_view caption);

    Services os_;
    WindowHandle owner_;
    MacroList list_;
    // The stored number each list entry had when the editor opened; -1 for
    // a macro made since.
    std::vector<int> origins_;
    std::size_t storedCount_ = 0;
    MacroRecorder recorder_;

    std::vector<std::u16string> names_;
    int nameSelection_ = -1;
    std::vector<ListItem> events_;
    int selected_;
    bool recording_ = false;
    bool delayOption_ = false;
    bool loopOption_ = false;
    bool delayBox_ = false;
    bool loopBox_ = false;
    std::u16string countText_ = u"1";
    bool countEnabled_ = false;
    bool loopTimer_ = false;
};

}  // namespace q5

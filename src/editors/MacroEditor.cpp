#include "editors/MacroEditor.h"

#include <algorithm>

#include "editors/KeyNames.h"
#include "ui/DialogKeys.h"

namespace q5 {
namespace {

constexpr std::int32_t kLoopCountMin = 1;
constexpr std::int32_t kLoopCountMax = 99;
constexpr std::u16string_view kWarningTitle = u"Warning";

std::u16string Decimal(std::int64_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

// The gesture records that play a macro: the thirteen slots and the extra
// records in use.
template <typename Setting, typename Visit>
void ForEachMacroRecord(Setting& setting, Visit visit) {
    auto visitIfMacro = [&](auto& record) {
        if (record.code() == ActionCode::Macro) {
            visit(record);
        }
    };
    std::for_each(setting.slots.begin(), setting.slots.end(), visitIfMacro);
    std::for_each(setting.extra.begin(),
                  setting.extra.begin() + static_cast<std::ptrdiff_t>(setting.extraCount()),
                  visitIfMacro);
}

}  // namespace

MacroEditor::MacroEditor(Services services, int preselected)
    : os_(std::move(services)), selected_(preselected) {}

void MacroEditor::Open() {
    if (os_.hook.Available()) {
        os_.hook.SetStatus(kHookReportsOff);
    }
    list_.LoadMacroList(os_.settings.macros());
    storedCount_ = list_.size();
    names_.clear();
    origins_.clear();
    for (std::size_t i = 0; i < list_.size(); ++i) {
        names_.push_back(list_.FindMacro(static_cast<int>(i))->name());
        origins_.push_back(static_cast<int>(i));
    }
    nameSelection_ = -1;
    events_.clear();
    if (selected_ >= 0 && static_cast<std::size_t>(selected_) < names_.size()) {
        SelectName(selected_);
        ShowMacro(selected_);
    }
}

std::u16string MacroEditor::recordCaption() const {
    return os_.texts ? os_.texts(recording_ ? "tc_macro_end" : "tc_macro_start") : std::u16string();
}

void MacroEditor::PressRecord() {
    if (recording_) {
        EndRecording();
    } else {
        StartRecording();
    }
}

void MacroEditor::StartRecording() {
    tagMACROINFO* macro = list_.FindMacro(nameSelection_);
    if (!macro || !os_.hook.Available()) {
        return;
    }
    recording_ = true;
    os_.hook.SetStatus(kHookReportsOn);
    tagMACROINFO fresh;
    fresh.setName(names_[static_cast<std::size_t>(nameSelection_)]);
    *macro = fresh;
    ClearEvents();
}

void MacroEditor::EndRecording() {
    if (!os_.hook.Available()) {
        return;
    }
    recording_ = false;
    os_.hook.SetStatus(kHookReportsOff);
    delayBox_ = false;
    delayOption_ = false;
}

std::intptr_t MacroEditor::KeyReport(std::uintptr_t key, std::intptr_t flags) {
    // Reports still queued when a recording ended change nothing.
    if (!recording_ || recorder_.IsRepeat(key, flags)) {
        return 0;
    }
    const std::uint32_t now = os_.clock.GetTickCount();
    const RecordingOptions options{delayOption_, loopOption_, CountNumber()};
    RecordedEvent event;
    if (!recorder_.Record(list_.FindMacro(nameSelection_), key, flags, now, options, event)) {
        return 0;
    }
    if (event.pauseBefore > 0) {
        AddPause(event.pauseBefore);
    }
    AddEvent(event.step);
    return flags;
}

void MacroEditor::PressDelayBox() {
    if (recording_) {
        delayBox_ = !delayBox_;
        delayOption_ = delayBox_;
        recorder_.ForgetLastTick();
    } else if (delayBox_) {
        delayBox_ = false;
        delayOption_ = false;
    }
}

void MacroEditor::PressLoopBox() {
    loopBox_ = !loopBox_;
    countEnabled_ = loopBox_;
    loopTimer_ = loopBox_;
    loopOption_ = loopBox_;
    if (tagMACROINFO* macro = list_.FindMacro(selected_)) {
        const std::int32_t count = CountNumber();
        macro->setLoopFlag(loopOption_ ? 1 : 0);
        macro->setLoopCount(count >= kLoopCountMin && count <= kLoopCountMax ? count
                                                                             : kLoopCountMin);
    }
}

void MacroEditor::CountTextChanged(const std::u16string& text) {
    countText_ = text;
    if (tagMACROINFO* macro = list_.FindMacro(selected_)) {
        macro->setLoopCount(CountNumber());
    }
}

void MacroEditor::CountFocusChanged(bool focused) {
    // Typing the count must not be recorded.
    if (recording_) {
        os_.hook.SetStatus(focused ? kHookReportsOff : kHookReportsOn);
    }
}

void MacroEditor::LoopTimerTick() {
    if (CountNumber() <= 0) {
        SetCountText(u"1", true);
    }
}

void MacroEditor::PressNew() {
    if (list_.full()) {
        Message(kMacroLimitText, kWarningTitle);
        return;
    }
    EndRecording();
    ClearEvents();
    delayBox_ = loopBox_ = false;
    delayOption_ = loopOption_ = false;

    tagMACROINFO macro;
    macro.setName(NewMacroName());
    names_.push_back(macro.name());
    SelectName(static_cast<int>(names_.size()) - 1);
    list_.Append(macro);
    origins_.push_back(-1);

    SetCountText(u"1", false);
    countEnabled_ = false;
    selected_ = nameSelection_;
}

void MacroEditor::PressDelete() {
    EndRecording();
    const int doomed = nameSelection_;
    if (doomed < 0 || !list_.FindMacro(doomed)) {
        return;
    }
    if (InUse(doomed)) {
        Message(os_.texts ? os_.texts("tc_macro_msg3") : std::u16string(),
                os_.texts ? os_.texts("tc_macro_editor") : std::u16string());
        return;
    }
    names_.erase(names_.begin() + doomed);
    origins_.erase(origins_.begin() + doomed);
    list_.Remove(doomed);

    ClearEvents();
    const int count = static_cast<int>(names_.size());
    const int next = count > doomed ? doomed : count - 1;
    SelectName(next);
    ShowMacro(next);
    if (nameSelection_ < 0) {
        delayBox_ = loopBox_ = false;
        countEnabled_ = false;
        SetCountText(u"1", false);
    }
    selected_ = nameSelection_;
}

void MacroEditor::NameEdited(int position, const std::u16string& text) {
    delayBox_ = false;
    delayOption_ = false;
    loopBox_ = false;
    if (position < 0 || static_cast<std::size_t>(position) >= names_.size()) {
        return;
    }
    std::u16string name = text.empty() ? NewMacroName() : text;
    names_[static_cast<std::size_t>(position)] = name;
    SelectName(position);
    if (tagMACROINFO* macro = list_.FindMacro(position)) {
        macro->setName(name);
    }
    ShowMacro(position);
    EndRecording();
}

void MacroEditor::NameSelectionChanged(int selection) {
    EndRecording();
    SelectName(selection);
    selected_ = nameSelection_;
    if (selected_ != -1) {
        ShowMacro(selected_);
    }
}

void MacroEditor::Confirm() {
    EndRecording();
    const bool storedRenumbered = RenumberSlots();
    list_.StoreInto(os_.settings.macros());
    os_.settings.SaveMacroTable();
    if (storedRenumbered) {
        os_.settings.SaveStoredAssignment();
    }
}

bool MacroEditor::KeepsKeyFromDialog(std::uint32_t message, std::uintptr_t key,
                                     bool toTextField) const {
    if (IsDialogCommandKey(message, key)) {
        return true;
    }
    return recording_ && !toTextField && IsKeyboardMessage(message);
}

void MacroEditor::Cancel() {
    EndRecording();
}

void MacroEditor::ShowMacro(int position) {
    ClearEvents();
    const tagMACROINFO* macro = list_.FindMacro(position);
    if (!macro) {
        return;
    }
    for (std::size_t i = 0; i < macro->usedSteps(); ++i) {
        const MacroStep& step = macro->steps[i];
        if (KeyName(os_.input, step.vk).empty()) {
            continue;
        }
        AddEvent(step);
        if (step.delayAfter() != 0) {
            AddPause(step.delayAfter());
        }
    }
    delayOption_ = macro->delayFlag() != 0;
    loopOption_ = macro->loopFlag() != 0;
    loopBox_ = false;
    const std::int32_t count = macro->loopCount();
    SetCountText(count == 0 || count == 1 ? u"1" : Decimal(count), false);
    countEnabled_ = false;
    delayBox_ = macro->delayFlag() != 0;
}

void MacroEditor::AddEvent(const MacroStep& step) {
    events_.push_back({KeyName(os_.input, step.vk), step.keyUp != 0 ? kItemRelease : kItemPress});
}

void MacroEditor::AddPause(std::int32_t milliseconds) {
    events_.push_back({Decimal(milliseconds) + u" ms", kItemPause});
}

void MacroEditor::SetCountText(const std::u16string& text, bool stores) {
    if (stores) {
        CountTextChanged(text);
    } else {
        countText_ = text;
    }
}

void MacroEditor::SelectName(int position) {
    nameSelection_ =
        position >= 0 && static_cast<std::size_t>(position) < names_.size() ? position : -1;
}

bool MacroEditor::InUse(int position) const {
    const int stored = origins_[static_cast<std::size_t>(position)];
    if (stored < 0) {
        return false;
    }
    bool used = false;
    const auto plays = [&](const ActionRecord& record) {
        used = used || record.macroNumber() == stored;
    };
    // Gestures play the active copy; the next start plays the stored one.
    ForEachMacroRecord(os_.settings.working(), plays);
    ForEachMacroRecord(os_.settings.active(), plays);
    ForEachMacroRecord(os_.settings.stored(), plays);
    return used;
}

bool MacroEditor::RenumberSlots() {
    std::vector<int> deleted;
    for (int stored = 0; stored < static_cast<int>(storedCount_); ++stored) {
        if (std::find(origins_.begin(), origins_.end(), stored) == origins_.end()) {
            deleted.push_back(stored);
        }
    }
    // Each record follows its macro: lowered by the deleted macros before it.
    const auto follow = [&deleted](ButtonSetting& setting) {
        bool changed = false;
        ForEachMacroRecord(setting, [&](ActionRecord& record) {
            const int number = record.macroNumber();
            const auto below = std::count_if(deleted.begin(), deleted.end(),
                                             [number](int gone) { return gone < number; });
            record.setMacroNumber(static_cast<std::uint8_t>(number - below));
            changed = changed || below > 0;
        });
        return changed;
    };
    follow(os_.settings.working());
    follow(os_.settings.active());
    return follow(os_.settings.stored());
}

std::u16string MacroEditor::NewMacroName() const {
    tagMACROINFO fitted;
    fitted.setName(os_.texts ? os_.texts("tc_new_macro") : std::u16string());
    return fitted.name();
}

std::int32_t MacroEditor::CountNumber() const {
    std::int32_t number = 0;
    for (const char16_t c : countText_) {
        if (c < u'0' || c > u'9' || number > 9999) {
            break;
        }
        number = number * 10 + (c - u'0');
    }
    return number;
}

void MacroEditor::Message(std::u16string_view text, std::u16string_view caption) {
    os_.dialogs.MessageBoxW(owner_, text, caption, kMbOk);
}

}  // namespace q5

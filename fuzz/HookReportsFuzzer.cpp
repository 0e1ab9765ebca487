// libFuzzer entry point: sequences of the hook library's key reports
// (message 0x40A: wParam the key code, lParam its flags, 0x80 on a release,
// equal flags when a held key repeats, the mouse buttons as 0xC1 to 0xC3)
// through the combination-key dialog's capture and the macro editor's
// recording, both opened as the main window opens them: a choice of the
// function menu for a slot, whose result the assignment stores.
//
// The input is read three bytes at a time: an operation byte and two
// arguments. Outside a dialog an operation opens one for a slot; inside it,
// operations are reports, the clock moving on, the editor's buttons and
// fields, and OK or Cancel. Every report is checked against what the
// capture and the recording promise: repeats and mouse buttons change
// nothing in the capture, the captured bytes are a modifier mask and two
// keys that are neither modifiers nor buttons, a macro never holds more
// than 199 steps nor fills its last step slot, a report is recorded exactly
// when the editor records and it is not the previous one again, pauses are
// stored after the step before them, and the reports are switched on only
// while recording.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>

#include "FuzzedProgram.h"
#include "app/AssignmentEditor.h"
#include "app/DisplayText.h"
#include "editors/ComboCapture.h"
#include "editors/KeyNames.h"
#include "editors/KeyReport.h"
#include "editors/MacroEditor.h"

namespace {

using q5::fuzz::Require;

constexpr std::uint8_t kCombinationCode = 19;
constexpr std::uint8_t kMacroCode = 20;
constexpr std::size_t kOperationBytes = 3;
constexpr std::uint8_t kWrapJump = 0xFF;  // clock argument: jump by the high byte << 24
constexpr char16_t kNameUnits[] = {u'M', 0xD83D, 0xDE00, 0xD800};

// Operations inside a dialog; both dialogs take the first three alike.
enum DialogOperation : std::uint8_t {
    kReport,       // a key report: key, flags
    kAgain,        // the previous report again (a held key)
    kMouseButton,  // 0xC1 + a % 3, released when b has 0x80
    kComboClose,   // the combination dialog: OK when b is odd, else Cancel
    kComboOperations,
    kMacroClock = kComboClose,  // the macro editor from here on
    kMacroPress,                // a button or field
    kMacroRename,
    kMacroClose,  // OK when b is odd, else Cancel
    kMacroReport,
    kMacroOperations
};

// Operations outside a dialog: a slot's menu choice (slot a % 13) that opens
// one, or the clock moving on.
enum MenuOperation : std::uint8_t {
    kOpenCombination,
    kOpenMacroEditor,  // without the hook library when b has 0x80
    kMenuClock,
    kMenuOperations
};

// The macro editor's buttons and fields (a % kControls).
enum EditorControl : std::uint8_t {
    kRecord,
    kDelayBox,
    kLoopBox,
    kNew,
    kDelete,
    kSelectName,  // position b % (names + 2) - 1
    kCountText,   // b % 128 in decimal, followed by an x when b >= 128
    kCountFocus,  // gained when b is odd
    kLoopTimer,
    kControls
};

struct Operation {
    std::uint8_t op;
    std::uint8_t a;
    std::uint8_t b;
};

class Operations {
public:
    Operations(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::optional<Operation> Next() {
        if (at_ + kOperationBytes > size_) {
            return std::nullopt;
        }
        const Operation next{data_[at_], data_[at_ + 1], data_[at_ + 2]};
        at_ += kOperationBytes;
        return next;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

struct Report {
    std::uint32_t key = 0;
    std::uint32_t flags = 0;
};

bool IsMouseButton(std::uint32_t key) {
    return key == q5::kKeyCodeLeftButton || key == q5::kKeyCodeRightButton ||
           key == q5::kKeyCodeMiddleButton;
}

bool IsModifier(std::uint8_t key) {
    constexpr std::uint8_t kModifiers[] = {0x10, 0xA0, 0xA1, 0x11, 0xA2, 0xA3,
                                           0x12, 0xA4, 0xA5, 0x5B, 0x5C};
    for (const std::uint8_t modifier : kModifiers) {
        if (modifier == key) {
            return true;
        }
    }
    return false;
}

// The report an operation stands for.
Report ReportOf(const Operation& operation, std::uint8_t kind, const Report& previous) {
    switch (kind) {
        case kAgain:
            return previous;
        case kMouseButton:
            return {q5::kKeyCodeLeftButton + operation.a % 3u,
                    operation.b & q5::kKeyReportReleased};
        default:
            return {operation.a, operation.b};
    }
}

void AdvanceClock(q5::sim::SimClock& clock, const Operation& operation) {
    if (operation.a == kWrapJump) {
        clock.Advance(static_cast<std::uint32_t>(operation.b) << 24);
    } else {
        clock.Advance(operation.a | static_cast<std::uint32_t>(operation.b) << 8);
    }
}

// Byte for byte, as the image stores it (cheaper than member by member).
bool SameBytes(const q5::tagMACROINFO& one, const q5::tagMACROINFO& other) {
    return std::memcmp(&one, &other, sizeof one) == 0;
}

class FakeHook final : public q5::HookSwitch {
public:
    bool Available() const override { return present; }
    void SetStatus(int status) override { on = status == q5::kHookReportsOn; }

    bool present = true;
    bool on = false;
};

// The combination-key dialog: its capture fed with reports until OK or
// Cancel, checked after every report.
class ComboSession {
public:
    explicit ComboSession(q5::Input& input) : input_(input) {}

    std::optional<q5::Combination> Run(Operations& operations) {
        while (const auto operation = operations.Next()) {
            const std::uint8_t kind = operation->op % kComboOperations;
            if (kind == kComboClose) {
                if ((operation->b & 1) == 0) {
                    return std::nullopt;
                }
                const auto result = capture_.Result();
                return q5::Combination{result[0], result[1], result[2]};
            }
            Feed(ReportOf(*operation, kind, previous_));
        }
        return std::nullopt;
    }

private:
    void Feed(const Report& report) {
        const bool wasCapturing = capture_.Capturing();
        const auto before = capture_.Result();
        const auto outcome = capture_.OnKeyReport(report.key, report.flags);
        const bool released = (report.flags & q5::kKeyReportReleased) != 0;
        const bool ignored = IsMouseButton(report.key & 0xFF) ||
                             (report.key == accepted_.key && report.flags == accepted_.flags);
        Require(outcome.accepted == !ignored);
        if (ignored) {
            Require(!outcome.repaint && capture_.Result() == before &&
                    capture_.Capturing() == wasCapturing);
        } else {
            accepted_ = report;
            if (!wasCapturing && !released) {
                startKey_ = report.key;
            }
            if (released && report.key == startKey_) {
                Require(!capture_.Capturing());
            }
            if (released) {
                Require(capture_.Result() == before);
            }
            Require(outcome.repaint == (capture_.Capturing() && !released));
        }
        previous_ = report;
        CheckResult();
    }

    void CheckResult() {
        const auto [mask, first, second] = capture_.Result();
        Require((mask & ~0x0F) == 0);
        for (const std::uint8_t key : {first, second}) {
            Require(!IsModifier(key) && !IsMouseButton(key));
        }
        Require(second == 0 || (first != 0 && second != first));
        (void)q5::ComboCombinationText(input_, mask, first, second);
    }

    q5::Input& input_;
    q5::ComboCapture capture_;
    Report previous_;
    // The last report used; before the first, key 0 with no flags (no key
    // has code 0).
    Report accepted_;
    std::uint32_t startKey_ = 0;
};

// The macro editor as its window drives it, until OK or Cancel.
class MacroSession {
public:
    MacroSession(q5::sim::SimPlatform& desktop, q5::SettingsStore& store,
                 const q5::TextLookup& texts, int preselected, bool hookPresent)
        : desktop_(desktop),
          store_(store),
          editor_({store, hook_, desktop.clock, desktop.input, desktop.dialogs, texts},
                  preselected) {
        hook_.present = hookPresent;
        editor_.Open();
    }

    // The chosen macro after OK; none after Cancel.
    std::optional<int> Run(Operations& operations) {
        while (const auto operation = operations.Next()) {
            const std::uint8_t kind = operation->op % kMacroOperations;
            switch (kind) {
                case kMacroClock:
                    AdvanceClock(desktop_.clock, *operation);
                    break;
                case kMacroPress:
                    Press(*operation);
                    break;
                case kMacroRename:
                    Rename(*operation);
                    break;
                case kMacroClose:
                    return Close((operation->b & 1) != 0);
                default:
                    Feed(ReportOf(*operation, kind, previous_));
                    break;
            }
            CheckEditor();
        }
        return Close(false);
    }

private:
    static std::u16string Count(std::uint8_t value) {
        const std::string digits = std::to_string(value % 128) + (value >= 128 ? "x" : "");
        return std::u16string(digits.begin(), digits.end());
    }

    int NameCount() const { return static_cast<int>(editor_.names().size()); }

    void Press(const Operation& operation) {
        switch (operation.a % kControls) {
            case kRecord:
                editor_.PressRecord();
                break;
            case kDelayBox:
                editor_.PressDelayBox();
                break;
            case kLoopBox:
                editor_.PressLoopBox();
                break;
            case kNew:
                editor_.PressNew();
                break;
            case kDelete:
                editor_.PressDelete();
                break;
            case kSelectName:
                editor_.NameSelectionChanged(operation.b % (NameCount() + 2) - 1);
                break;
            case kCountText:
                editor_.CountTextChanged(Count(operation.b));
                break;
            case kCountFocus:
                editor_.CountFocusChanged((operation.b & 1) != 0);
                break;
            default:
                editor_.LoopTimerTick();
                break;
        }
    }

    // A name edited in place: up to 510 units, surrogates and lone halves.
    void Rename(const Operation& operation) {
        std::u16string name(std::size_t{operation.b} * 2, u'\0');
        for (std::size_t i = 0; i < name.size(); ++i) {
            name[i] = kNameUnits[(operation.a + i) % std::size(kNameUnits)];
        }
        editor_.NameEdited(operation.a % (NameCount() + 1), name);
    }

    const q5::tagMACROINFO* Selected() const {
        return editor_.macros().FindMacro(editor_.nameSelection());
    }

    void Feed(const Report& report) {
        previous_ = report;
        const q5::tagMACROINFO* macro = Selected();
        const std::optional<q5::tagMACROINFO> before =
            macro ? std::optional<q5::tagMACROINFO>(*macro) : std::nullopt;
        const std::size_t eventsBefore = editor_.events().size();
        const bool repeat = report.key == recorded_.key && report.flags == recorded_.flags;
        const bool expected = editor_.recording() && before && !repeat &&
                              before->stepCount() < q5::tagMACROINFO::kMaxSteps;

        const std::intptr_t result = editor_.KeyReport(report.key, report.flags);

        const q5::tagMACROINFO* after = Selected();
        if (!expected) {
            Require(result == 0 && editor_.events().size() == eventsBefore);
            Require(before ? after && SameBytes(*after, *before) : after == nullptr);
            return;
        }
        recorded_ = report;
        Require(result == static_cast<std::intptr_t>(report.flags));
        const std::size_t steps = after->stepCount();
        Require(steps == before->stepCount() + 1u);
        const q5::MacroStep& step = after->steps[steps - 1];
        Require(step.vk == (report.key & 0xFF));
        Require(step.keyUp == ((report.flags & q5::kKeyReportReleased) != 0 ? 1 : 0));
        const std::size_t added = editor_.events().size() - eventsBefore;
        Require(added == 1 || (added == 2 && editor_.delayOption() && steps >= 2 &&
                               after->steps[steps - 2].delayAfter() > 0));
    }

    void CheckEditor() const {
        Require(editor_.names().size() == editor_.macros().size());
        Require(editor_.macros().size() <= q5::MacroTable::kMaxMacros);
        Require(editor_.nameSelection() >= -1 && editor_.nameSelection() < NameCount());
        Require(!hook_.on || editor_.recording());
        if (const q5::tagMACROINFO* macro = Selected()) {
            CheckMacro(*macro);
        }
    }

    static void CheckMacro(const q5::tagMACROINFO& macro) {
        Require(macro.stepCount() <= q5::tagMACROINFO::kMaxSteps);
        Require(macro.steps[q5::tagMACROINFO::kMaxSteps] == q5::MacroStep{});
        const auto& name = macro.nameBytes;
        Require(name[name.size() - 1] == 0 && name[name.size() - 2] == 0);
    }

    std::optional<int> Close(bool confirm) {
        if (!confirm) {
            editor_.Cancel();
            Require(!hook_.on && !editor_.recording());
            return std::nullopt;
        }
        editor_.Confirm();
        Require(!hook_.on && !editor_.recording());
        const q5::MacroTable& stored = store_.macros();
        Require(stored.count() == editor_.macros().size());
        for (std::size_t i = 0; i < stored.count(); ++i) {
            CheckMacro(stored.macros[i]);
        }
        return editor_.selectedMacro();
    }

    q5::sim::SimPlatform& desktop_;
    q5::SettingsStore& store_;
    FakeHook hook_;
    q5::MacroEditor editor_;
    Report previous_;
    // The last report recorded; before the first, key 0 with no flags.
    Report recorded_;
};

// The main window's side: the dialogs that a choice of the function menu
// opens, run on the rest of the input.
class FuzzedDialogs final : public q5::AssignmentDialogs {
public:
    FuzzedDialogs(q5::fuzz::FuzzedProgram& run, const q5::TextLookup& texts, Operations& operations)
        : run_(run), texts_(texts), operations_(operations) {}

    std::optional<q5::Combination> EditCombination() override {
        combination = ComboSession(run_.desktop.input).Run(operations_);
        return combination;
    }

    std::optional<std::uint8_t> EditMacro(std::uint8_t preselected) override {
        const std::size_t storedBefore = run_.store.macros().count();
        MacroSession session(run_.desktop, run_.store, texts_, preselected, hookPresent);
        const std::optional<int> chosen = session.Run(operations_);
        if (chosen) {
            saved = true;
            CheckSlotsFollow(storedBefore);
        }
        if (!chosen || *chosen < 0) {
            return std::nullopt;
        }
        return static_cast<std::uint8_t>(*chosen);
    }

    void RefuseLeftClick() override {}

    // Notes the slots' macro numbers before a dialog opens.
    void RememberSlots() {
        for (int slot = 0; slot < q5::kSlotCount; ++slot) {
            numbersBefore_[static_cast<std::size_t>(slot)] =
                run_.store.working().slot(slot).macroNumber();
        }
    }

    bool hookPresent = true;
    bool saved = false;                          // the macro table was stored again
    std::optional<q5::Combination> combination;  // the last dialog's result

private:
    // A slot that played a stored macro still plays one after OK: a macro
    // in use cannot be deleted, and the others' numbers move down.
    void CheckSlotsFollow(std::size_t storedBefore) const {
        const q5::ButtonSetting& working = run_.store.working();
        for (int slot = 0; slot < q5::kSlotCount; ++slot) {
            const q5::ActionRecord& record = working.slot(slot);
            if (record.code() == q5::ActionCode::Macro &&
                numbersBefore_[static_cast<std::size_t>(slot)] < storedBefore) {
                Require(record.macroNumber() < run_.store.macros().count());
            }
        }
    }

    q5::fuzz::FuzzedProgram& run_;
    const q5::TextLookup& texts_;
    Operations& operations_;
    std::array<std::size_t, q5::kSlotCount> numbersBefore_{};
};

// A menu choice for `slot` that opens a dialog: the stored record and name
// follow what the dialog returned, or stay as they were.
void Assign(q5::AssignmentEditor& assignment, q5::SettingsStore& store, FuzzedDialogs& dialogs,
            int slot, std::uint8_t code) {
    const q5::ActionRecord before = store.working().slot(slot);
    dialogs.RememberSlots();
    dialogs.combination.reset();
    const std::optional<std::u16string> text = assignment.AssignFunction(slot, code, code, dialogs);
    const q5::ActionRecord& after = store.working().slot(slot);
    if (!text) {
        if (code == kCombinationCode) {
            Require(after == before);
        }
        return;
    }
    Require(after.codeByte() == code);
    if (code == kCombinationCode) {
        Require(dialogs.combination && after.combination() == *dialogs.combination &&
                after.combination().IsValid());
    }
    Require(*text == assignment.TextOf(slot, code));
    Require(text->starts_with(store.names().name(slot)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The editor stores the macro table on OK; the next input starts from
    // the three planted macros again.
    static bool macrosSaved = false;
    q5::fuzz::FuzzedProgram run;
    run.PlantThreeMacros(macrosSaved);
    run.program.LoadStoredSettings();
    const q5::TextLookup texts = [](std::string_view key) {
        return q5::fuzz::ShippedLanguage().Text(key);
    };
    const q5::DisplayText display(texts, run.store.macros(), run.desktop.input);
    q5::AssignmentEditor assignment(run.store, display);

    Operations operations(data, size);
    FuzzedDialogs dialogs(run, texts, operations);
    while (const auto operation = operations.Next()) {
        const int slot = operation->a % q5::kSlotCount;
        switch (operation->op % kMenuOperations) {
            case kOpenCombination:
                Assign(assignment, run.store, dialogs, slot, kCombinationCode);
                break;
            case kOpenMacroEditor:
                dialogs.hookPresent = (operation->b & 0x80) == 0;
                Assign(assignment, run.store, dialogs, slot, kMacroCode);
                break;
            default:
                AdvanceClock(run.desktop.clock, *operation);
                break;
        }
    }
    macrosSaved = dialogs.saved;
    return 0;
}

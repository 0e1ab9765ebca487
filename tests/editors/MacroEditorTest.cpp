#include "editors/MacroEditor.h"

#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "EditorTexts.h"
#include "platform/sim/SimPlatform.h"

namespace q5 {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::intptr_t kPressed = 0x00;
constexpr std::intptr_t kReleased = 0x80;

class FakeHook final : public HookSwitch {
public:
    bool Available() const override { return present; }
    void SetStatus(int status) override { statuses.push_back(status); }

    bool present = true;
    std::vector<int> statuses;
};

tagMACROINFO Macro(std::u16string_view name, std::vector<MacroStep> steps = {},
                   std::int32_t delayFlag = 0, std::int32_t loopFlag = 0,
                   std::int32_t loopCount = 0) {
    tagMACROINFO macro;
    macro.setName(name);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        macro.steps[i] = steps[i];
    }
    macro.setStepCount(static_cast<std::uint16_t>(steps.size()));
    macro.setDelayFlag(delayFlag);
    macro.setLoopFlag(loopFlag);
    macro.setLoopCount(loopCount);
    return macro;
}

MacroStep Step(std::uint8_t vk, bool up, std::int32_t pause = 0) {
    MacroStep step;
    step.vk = vk;
    step.keyUp = up ? 1 : 0;
    step.setDelayAfter(pause);
    return step;
}

ListItem Press(std::u16string text) {
    return {std::move(text), kItemPress};
}
ListItem Release(std::u16string text) {
    return {std::move(text), kItemRelease};
}
ListItem Pause(std::u16string text) {
    return {std::move(text), kItemPause};
}

class MacroEditorTest : public ::testing::Test {
protected:
    MacroEditorTest() { desktop.registry.CreateKey(kSettingsKey); }

    void Store(std::vector<tagMACROINFO> macros) {
        for (std::size_t i = 0; i < macros.size(); ++i) {
            store.macros().macros[i] = macros[i];
        }
        store.macros().setCount(static_cast<std::uint32_t>(macros.size()));
    }
    void SlotPlays(int slot, std::uint8_t number) {
        store.working().slot(slot).setCode(ActionCode::Macro);
        store.working().slot(slot).setMacroNumber(number);
    }
    // An Apply that pushed and saved the working copy.
    void Apply() {
        store.Activate();
        ASSERT_TRUE(store.SaveSettings());
    }
    ButtonSetting StoredAssignment() {
        ButtonSetting setting;
        const auto value = desktop.registry.Value(kSettingsKey, kButtonSettingValue);
        if (value && value->data.size() == ButtonSetting::kSize) {
            std::copy(value->data.begin(), value->data.end(), setting.data());
        }
        return setting;
    }
    MacroEditor& Open(int preselected) {
        editor = std::make_unique<MacroEditor>(
            MacroEditor::Services{store, hook, desktop.clock, desktop.input, desktop.dialogs,
                                  test::EditorTexts()},
            preselected);
        editor->SetOwner(WindowHandle{0x77});
        editor->Open();
        return *editor;
    }
    // Key reports as the hook library sends them, `gap` ms apart.
    void Type(std::initializer_list<std::pair<std::uintptr_t, std::intptr_t>> reports,
              std::uint32_t gap = 0) {
        for (const auto& [key, flags] : reports) {
            desktop.clock.Advance(gap);
            editor->KeyReport(key, flags);
        }
    }
    const tagMACROINFO& Selected() { return *editor->macros().FindMacro(editor->selectedMacro()); }
    std::vector<std::string> Messages() { return desktop.journal.Lines(); }
    bool MacrosStored() {
        return desktop.registry.Value(kSettingsKey, kMacroSettingValue).has_value();
    }

    sim::SimPlatform desktop;
    SettingsStore store{desktop.registry, desktop.dialogs};
    FakeHook hook;
    std::unique_ptr<MacroEditor> editor;
};

TEST_F(MacroEditorTest, OpeningSelectsTheGivenMacroAndShowsItsEvents) {
    Store({Macro(u"one"), Macro(u"two"),
           Macro(u"three", {Step('A', false, 40), Step('A', true), Step(0, false)}, 1, 1, 5)});
    MacroEditor& e = Open(2);
    EXPECT_THAT(hook.statuses, ElementsAre(kHookReportsOff));
    EXPECT_THAT(e.names(), ElementsAre(u"one", u"two", u"three"));
    EXPECT_EQ(e.nameSelection(), 2);
    // The step without a key name is left out.
    EXPECT_THAT(e.events(), ElementsAre(Press(u"A"), Pause(u"40 ms"), Release(u"A")));
    EXPECT_TRUE(e.delayBoxChecked());
    EXPECT_FALSE(e.loopBoxChecked());
    EXPECT_TRUE(e.loopOption());
    EXPECT_EQ(e.countText(), u"5");
    EXPECT_FALSE(e.countEnabled());
    EXPECT_EQ(e.recordCaption(), u"Start recording");
}

TEST_F(MacroEditorTest, OpeningWithANumberBeyondTheMacrosSelectsNothingAndKeepsIt) {
    Store({Macro(u"one"), Macro(u"two"), Macro(u"three")});
    MacroEditor& e = Open(5);
    EXPECT_EQ(e.nameSelection(), -1);
    EXPECT_THAT(e.events(), IsEmpty());
    e.Confirm();
    EXPECT_EQ(e.selectedMacro(), 5);
}

TEST_F(MacroEditorTest, RecordingWithoutTheDelayBoxListsNoPauses) {
    Store({Macro(u"m", {Step('Q', false)}, 0, 1, 7)});
    MacroEditor& e = Open(0);
    e.PressRecord();
    EXPECT_TRUE(e.recording());
    EXPECT_EQ(e.recordCaption(), u"Stop recording");
    // The earlier steps, flags and count are gone; the name stays.
    EXPECT_EQ(Selected(), Macro(u"m"));
    EXPECT_THAT(e.events(), IsEmpty());

    Type({{'A', kPressed}, {'A', kReleased}, {'B', kPressed}, {'B', kReleased}}, 250);
    EXPECT_THAT(e.events(), ElementsAre(Press(u"A"), Release(u"A"), Press(u"B"), Release(u"B")));
    // The loop option and count of the macro shown before carry on.
    EXPECT_EQ(Selected(),
              Macro(u"m", {Step('A', false), Step('A', true), Step('B', false), Step('B', true)}, 0,
                    1, 7));
}

TEST_F(MacroEditorTest, RecordingWithTheDelayBoxStoresThePauseAfterEachEventButTheLast) {
    Store({Macro(u"m")});
    MacroEditor& e = Open(0);
    e.PressRecord();
    e.PressDelayBox();
    EXPECT_TRUE(e.delayBoxChecked());
    desktop.clock.Advance(500);
    e.KeyReport('A', kPressed);
    desktop.clock.Advance(120);
    e.KeyReport('A', kReleased);
    desktop.clock.Advance(300);
    e.KeyReport('B', kPressed);
    desktop.clock.Advance(45);
    EXPECT_EQ(e.KeyReport('B', kReleased), kReleased);

    EXPECT_THAT(e.events(),
                ElementsAre(Press(u"A"), Pause(u"120 ms"), Release(u"A"), Pause(u"300 ms"),
                            Press(u"B"), Pause(u"45 ms"), Release(u"B")));
    EXPECT_EQ(Selected(), Macro(u"m",
                                {Step('A', false, 120), Step('A', true, 300), Step('B', false, 45),
                                 Step('B', true)},
                                1, 0, 1));
}

TEST_F(MacroEditorTest, EventsWithoutTimeBetweenThemGetNoPause) {
    Store({Macro(u"m")});
    MacroEditor& e = Open(0);
    e.PressRecord();
    e.PressDelayBox();
    Type({{'A', kPressed}, {'A', kReleased}}, 0);
    EXPECT_THAT(e.events(), ElementsAre(Press(u"A"), Release(u"A")));
}

TEST_F(MacroEditorTest, SwitchingTheDelayOnAfterTwoEventsPausesFromTheFourth) {
    Store({Macro(u"m")});
    MacroEditor& e = Open(0);
    e.PressRecord();
    Type({{'A', kPressed}, {'A', kReleased}}, 100);
    e.PressDelayBox();
    Type({{'B', kPressed}, {'B', kReleased}}, 70);
    EXPECT_THAT(e.events(), ElementsAre(Press(u"A"), Release(u"A"), Press(u"B"), Pause(u"70 ms"),
                                        Release(u"B")));
}

TEST_F(MacroEditorTest, AHeldKeyIsRecordedOnce) {
    Store({Macro(u"m")});
    MacroEditor& e = Open(0);
    e.PressRecord();
    EXPECT_EQ(e.KeyReport('A', kPressed | 1), kPressed | 1);
    EXPECT_EQ(e.KeyReport('A', kPressed | 1), 0);
    EXPECT_EQ(e.KeyReport('A', kPressed | 1), 0);
    e.KeyReport('A', kReleased | 1);
    EXPECT_THAT(e.events(), ElementsAre(Press(u"A"), Release(u"A")));
}

TEST_F(MacroEditorTest, The200thEventIsIgnored) {
    Store({Macro(u"m")});
    MacroEditor& e = Open(0);
    e.PressRecord();
    e.PressDelayBox();
    for (int i = 0; i < 199; ++i) {
        desktop.clock.Advance(10);
        e.KeyReport('A', (i % 2) ? kReleased : kPressed);
        ASSERT_EQ(e.events().size(), i == 0 ? 1u : 2u * i + 1) << i;
    }
    const tagMACROINFO before = Selected();
    const auto items = e.events().size();
    desktop.clock.Advance(999);
    EXPECT_EQ(e.KeyReport('B', kReleased), 0);
    EXPECT_EQ(Selected().stepCount(), 199);
    EXPECT_EQ(Selected(), before);
    EXPECT_EQ(Selected().steps[198].delayAfter(), 0);
    EXPECT_EQ(e.events().size(), items);
}

TEST_F(MacroEditorTest, ReportsOutsideARecordingChangeNothing) {
    Store({Macro(u"m", {Step('Q', false)})});
    MacroEditor& e = Open(0);
    EXPECT_EQ(e.KeyReport('A', kPressed), 0);
    e.PressRecord();
    e.PressRecord();
    EXPECT_EQ(e.KeyReport('B', kPressed), 0);
    EXPECT_THAT(hook.statuses, ElementsAre(0, 1, 0));
    EXPECT_EQ(Selected().stepCount(), 0);
}

TEST_F(MacroEditorTest, WithoutTheHookLibraryRecordDoesNothing) {
    hook.present = false;
    Store({Macro(u"m", {Step('Q', false)})});
    MacroEditor& e = Open(0);
    e.PressRecord();
    EXPECT_FALSE(e.recording());
    EXPECT_THAT(hook.statuses, IsEmpty());
    EXPECT_EQ(Selected().stepCount(), 1);
}

TEST_F(MacroEditorTest, RecordNeedsASelectedMacro) {
    Store({Macro(u"m")});
    MacroEditor& e = Open(-1);
    e.PressRecord();
    EXPECT_FALSE(e.recording());
    EXPECT_THAT(hook.statuses, ElementsAre(kHookReportsOff));
}

TEST_F(MacroEditorTest, WhileRecordingTheWindowKeepsEveryKeyButTypingFromTheDialog) {
    constexpr std::uint32_t kKeyDown = 0x100;
    constexpr std::uint32_t kSysKeyDown = 0x104;
    constexpr std::uint32_t kChar = 0x102;
    Store({Macro(u"a")});
    MacroEditor& e = Open(0);
    // Not recording: only the keys that press a button or end the editor.
    EXPECT_TRUE(e.KeepsKeyFromDialog(kKeyDown, 0x0D, false));
    EXPECT_TRUE(e.KeepsKeyFromDialog(kKeyDown, 0x1B, true));
    EXPECT_FALSE(e.KeepsKeyFromDialog(kKeyDown, 0x28, false));
    EXPECT_FALSE(e.KeepsKeyFromDialog(kSysKeyDown, 0x73, false));

    e.PressRecord();
    ASSERT_TRUE(e.recording());
    EXPECT_TRUE(e.KeepsKeyFromDialog(kKeyDown, 0x28, false));
    EXPECT_TRUE(e.KeepsKeyFromDialog(kSysKeyDown, 0x73, false));
    EXPECT_TRUE(e.KeepsKeyFromDialog(kChar, 'a', false));
    EXPECT_FALSE(e.KeepsKeyFromDialog(0x201, 0, false));  // a click still works
    // Typing the count, or a name, still reaches its field.
    EXPECT_FALSE(e.KeepsKeyFromDialog(kKeyDown, '4', true));
    EXPECT_FALSE(e.KeepsKeyFromDialog(kChar, '4', true));
    EXPECT_TRUE(e.KeepsKeyFromDialog(kKeyDown, 0x0D, true));

    e.PressRecord();
    EXPECT_FALSE(e.KeepsKeyFromDialog(kKeyDown, 0x28, false));
}

TEST_F(MacroEditorTest, TheCountFieldSwitchesTheReportsOffWhileItHasTheFocus) {
    Store({Macro(u"m")});
    MacroEditor& e = Open(0);
    e.CountFocusChanged(true);
    e.PressRecord();
    e.CountFocusChanged(true);
    e.CountFocusChanged(false);
    EXPECT_THAT(hook.statuses, ElementsAre(0, 1, 0, 1));
}

TEST_F(MacroEditorTest, TheDelayBoxOutsideARecordingNeverChecks) {
    Store({Macro(u"plain"), Macro(u"delayed", {Step('A', false)}, 1)});
    MacroEditor& e = Open(0);
    e.PressDelayBox();
    EXPECT_FALSE(e.delayBoxChecked());
    EXPECT_FALSE(e.delayOption());
    // A shown macro's checked box unchecks and stays so.
    e.NameSelectionChanged(1);
    EXPECT_TRUE(e.delayBoxChecked());
    e.PressDelayBox();
    EXPECT_FALSE(e.delayBoxChecked());
    EXPECT_FALSE(e.delayOption());
    e.PressDelayBox();
    EXPECT_FALSE(e.delayBoxChecked());
}

TEST_F(MacroEditorTest, EndingARecordingUnchecksTheDelayBox) {
    Store({Macro(u"m")});
    MacroEditor& e = Open(0);
    e.PressRecord();
    e.PressDelayBox();
    e.PressRecord();
    EXPECT_FALSE(e.recording());
    EXPECT_FALSE(e.delayBoxChecked());
    EXPECT_FALSE(e.delayOption());
    EXPECT_EQ(e.recordCaption(), u"Start recording");
}

TEST_F(MacroEditorTest, TheLoopBoxStoresTheShownCount) {
    Store({Macro(u"m", {}, 0, 1, 5)});
    MacroEditor& e = Open(0);
    EXPECT_FALSE(e.loopBoxChecked());
    EXPECT_EQ(e.countText(), u"5");
    EXPECT_FALSE(e.countEnabled());

    e.PressLoopBox();
    EXPECT_TRUE(e.loopBoxChecked());
    EXPECT_TRUE(e.countEnabled());
    EXPECT_TRUE(e.loopTimerRunning());
    EXPECT_EQ(Selected().loopFlag(), 1);
    EXPECT_EQ(Selected().loopCount(), 5);

    e.PressLoopBox();
    EXPECT_FALSE(e.loopBoxChecked());
    EXPECT_FALSE(e.countEnabled());
    EXPECT_FALSE(e.loopTimerRunning());
    EXPECT_EQ(Selected().loopFlag(), 0);
}

TEST_F(MacroEditorTest, TheLoopBoxStoresACountOutsideItsRangeAsOne) {
    Store({Macro(u"m")});
    MacroEditor& e = Open(0);
    e.CountTextChanged(u"");
    e.PressLoopBox();
    EXPECT_EQ(Selected().loopCount(), 1);
}

TEST_F(MacroEditorTest, AnEmptiedCountIsStoredAsZeroAndTheTimerPutsOneBack) {
    Store({Macro(u"m")});
    MacroEditor& e = Open(0);
    e.PressLoopBox();
    e.CountTextChanged(u"42");
    EXPECT_EQ(Selected().loopCount(), 42);
    e.CountTextChanged(u"");
    EXPECT_EQ(Selected().loopCount(), 0);
    e.LoopTimerTick();
    EXPECT_EQ(e.countText(), u"1");
    EXPECT_EQ(Selected().loopCount(), 1);
    // A count in place stays.
    e.CountTextChanged(u"7");
    e.LoopTimerTick();
    EXPECT_EQ(e.countText(), u"7");
}

TEST_F(MacroEditorTest, TheLoopTimerRunsOnWhenAnotherMacroIsShown) {
    Store({Macro(u"a"), Macro(u"b")});
    MacroEditor& e = Open(0);
    e.PressLoopBox();
    e.NameSelectionChanged(1);
    EXPECT_FALSE(e.loopBoxChecked());
    EXPECT_TRUE(e.loopTimerRunning());
}

TEST_F(MacroEditorTest, NewAddsANamedEmptyMacroAndSelectsIt) {
    Store({Macro(u"a", {Step('A', false)}, 1, 1, 5)});
    MacroEditor& e = Open(0);
    e.PressNew();
    EXPECT_THAT(e.names(), ElementsAre(u"a", u"New macro"));
    EXPECT_EQ(e.nameSelection(), 1);
    EXPECT_EQ(e.selectedMacro(), 1);
    EXPECT_EQ(Selected(), Macro(u"New macro"));
    EXPECT_THAT(e.events(), IsEmpty());
    EXPECT_FALSE(e.delayBoxChecked());
    EXPECT_FALSE(e.loopOption());
    EXPECT_EQ(e.countText(), u"1");
    EXPECT_FALSE(e.countEnabled());
    // The macro shown before keeps its repeat count.
    EXPECT_EQ(e.macros().FindMacro(0)->loopCount(), 5);
}

TEST_F(MacroEditorTest, The99thNewSucceedsAndThe100thIsRefused) {
    Store({});
    MacroEditor& e = Open(-1);
    for (int i = 0; i < 99; ++i) {
        e.PressNew();
    }
    EXPECT_EQ(e.names().size(), 99u);
    EXPECT_EQ(e.selectedMacro(), 98);
    EXPECT_THAT(Messages(), IsEmpty());
    e.PressNew();
    EXPECT_EQ(e.names().size(), 99u);
    EXPECT_EQ(e.macros().size(), 99u);
    EXPECT_THAT(Messages(), ElementsAre("messagebox 0x77 \"Warning\" \"    The number of macro is "
                                        "up to the maximum    \" 0x0"));
    e.Confirm();
    EXPECT_EQ(store.macros().storedCount(), 99u);
    EXPECT_EQ(store.macros().macros[98].name(), u"New macro");
}

TEST_F(MacroEditorTest, DeletingAMacroInUseIsRefused) {
    Store({Macro(u"a"), Macro(u"b")});
    SlotPlays(4, 1);
    MacroEditor& e = Open(1);
    e.PressDelete();
    EXPECT_THAT(e.names(), ElementsAre(u"a", u"b"));
    EXPECT_THAT(Messages(), ElementsAre("messagebox 0x77 \"Macro editor\" \"In use\" 0x0"));
}

TEST_F(MacroEditorTest, ExtraRecordsInUseCountAsUsers) {
    Store({Macro(u"a"), Macro(u"b")});
    store.working().extra[0].setCode(ActionCode::Macro);
    store.working().extra[0].setMacroNumber(0);
    store.working().extra[1].setCode(ActionCode::Macro);
    store.working().extra[1].setMacroNumber(1);
    store.working().extraCountBytes[0] = 1;
    MacroEditor& e = Open(0);
    e.PressDelete();
    EXPECT_EQ(e.names().size(), 2u);
    EXPECT_EQ(Messages().size(), 1u);
    // The record beyond the count is not in use.
    e.NameSelectionChanged(1);
    e.PressDelete();
    EXPECT_THAT(e.names(), ElementsAre(u"a"));
}

TEST_F(MacroEditorTest, DeleteThenOkRenumbersTheSlotsThatPlayLaterMacros) {
    Store({Macro(u"a"), Macro(u"b"), Macro(u"c")});
    SlotPlays(0, 2);
    SlotPlays(1, 0);
    SlotPlays(2, 40);                           // beyond the macros: plays nothing either way
    store.working().slot(3).setMacroNumber(2);  // not a macro slot
    MacroEditor& e = Open(1);
    e.PressDelete();
    EXPECT_THAT(e.names(), ElementsAre(u"a", u"c"));
    EXPECT_EQ(e.selectedMacro(), 1);
    // Nothing changes before OK.
    EXPECT_EQ(store.working().slot(0).macroNumber(), 2);

    e.Confirm();
    EXPECT_EQ(store.working().slot(0).macroNumber(), 1);
    EXPECT_EQ(store.working().slot(1).macroNumber(), 0);
    EXPECT_EQ(store.working().slot(2).macroNumber(), 39);
    EXPECT_EQ(store.working().slot(3).macroNumber(), 2);
    EXPECT_EQ(store.macros().storedCount(), 2u);
    EXPECT_EQ(store.macros().macros[1].name(), u"c");
    ASSERT_TRUE(MacrosStored());
    EXPECT_EQ(desktop.registry.Value(kSettingsKey, kMacroSettingValue)->data.size(),
              MacroTable::kSize);
}

// Gestures play the active copy, and the next start the stored one: both
// must follow the macros that OK stores, or a gesture plays the macro that
// moved into its number, now and after the next start.
TEST_F(MacroEditorTest, DeleteThenOkRenumbersTheAppliedSlotsAndStoresThem) {
    Store({Macro(u"a"), Macro(u"b"), Macro(u"c")});
    SlotPlays(5, 2);
    Apply();
    store.working().slot(5).setCode(ActionCode::Copy);  // changed, not applied
    MacroEditor& e = Open(-1);
    e.NameSelectionChanged(0);
    e.PressDelete();
    EXPECT_EQ(store.active().slot(5).macroNumber(), 2);  // nothing before OK

    e.Confirm();
    EXPECT_EQ(store.active().slot(5).macroNumber(), 1);
    EXPECT_EQ(store.macros().macros[1].name(), u"c");
    EXPECT_EQ(store.working().slot(5).code(), ActionCode::Copy);
    const auto stored = desktop.registry.Value(kSettingsKey, kButtonSettingValue);
    ASSERT_TRUE(stored.has_value());
    const std::uint8_t* active = store.active().data();
    EXPECT_EQ(stored->data, std::vector<std::uint8_t>(active, active + ButtonSetting::kSize));
}

TEST_F(MacroEditorTest, AMacroOnlyTheAppliedCopyPlaysCannotBeDeleted) {
    Store({Macro(u"a"), Macro(u"b")});
    SlotPlays(7, 1);
    store.Activate();
    store.working().slot(7).setCode(ActionCode::Copy);  // changed, not applied
    MacroEditor& e = Open(1);
    e.PressDelete();
    EXPECT_THAT(e.names(), ElementsAre(u"a", u"b"));
    EXPECT_THAT(Messages(), ElementsAre("messagebox 0x77 \"Macro editor\" \"In use\" 0x0"));
}

// An Apply without the receiver makes the new assignment active but does not
// store it; OK must renumber what is stored, and store nothing else.
TEST_F(MacroEditorTest, AfterAFailedApplyOkRenumbersTheStoredAssignmentAndStoresNoOther) {
    Store({Macro(u"a"), Macro(u"b"), Macro(u"c")});
    SlotPlays(5, 2);
    Apply();
    store.working().slot(4).setCode(ActionCode::Copy);
    store.Activate();  // pushed to no receiver: nothing saved
    MacroEditor& e = Open(-1);
    e.NameSelectionChanged(0);
    e.PressDelete();
    e.Confirm();
    const ButtonSetting stored = StoredAssignment();
    EXPECT_EQ(stored.slot(5).macroNumber(), 1);
    EXPECT_NE(stored.slot(4).code(), ActionCode::Copy);
    EXPECT_EQ(stored, store.stored());
    EXPECT_EQ(store.active().slot(4).code(), ActionCode::Copy);
    EXPECT_EQ(store.active().slot(5).macroNumber(), 1);
}

// A Reset without the receiver leaves the factory assignment active, which
// plays no macro, while the stored assignment still plays its macros.
TEST_F(MacroEditorTest, AfterAFailedResetTheStoredAssignmentKeepsAndFollowsItsMacros) {
    Store({Macro(u"a"), Macro(u"b"), Macro(u"c"), Macro(u"d")});
    SlotPlays(5, 3);
    Apply();
    store.ResetToFactory([](ActionCode) { return std::u16string(u"label"); });
    MacroEditor& e = Open(3);
    e.PressDelete();
    EXPECT_THAT(e.names(), ElementsAre(u"a", u"b", u"c", u"d"));
    EXPECT_THAT(Messages(), ElementsAre("messagebox 0x77 \"Macro editor\" \"In use\" 0x0"));
    e.NameSelectionChanged(0);
    e.PressDelete();
    e.Confirm();
    EXPECT_EQ(StoredAssignment().slot(5).macroNumber(), 2);
    EXPECT_EQ(store.macros().macros[2].name(), u"d");
    EXPECT_EQ(store.active().slot(5).code(), FactoryCodeOfSlot(5));
}

TEST_F(MacroEditorTest, OkWritesTheAssignmentOnlyWhenAnAppliedSlotMoved) {
    Store({Macro(u"a"), Macro(u"b"), Macro(u"c")});
    SlotPlays(0, 0);
    store.Activate();
    MacroEditor& e = Open(2);
    e.PressDelete();  // after every macro a slot plays
    e.Confirm();
    EXPECT_TRUE(MacrosStored());
    EXPECT_FALSE(desktop.registry.Value(kSettingsKey, kButtonSettingValue).has_value());
    EXPECT_EQ(store.active().slot(0).macroNumber(), 0);
}

TEST_F(MacroEditorTest, DeleteThenCancelLeavesSlotsAndMacrosAsTheyWere) {
    Store({Macro(u"a"), Macro(u"b"), Macro(u"c")});
    SlotPlays(0, 2);
    const ButtonSetting slots = store.working();
    const MacroTable macros = store.macros();
    MacroEditor& e = Open(1);
    e.PressDelete();
    e.Cancel();
    EXPECT_EQ(store.working(), slots);
    EXPECT_EQ(store.macros(), macros);
    EXPECT_FALSE(MacrosStored());
}

TEST_F(MacroEditorTest, AMacroMovedDownByADeletionIsStillKnownAsInUse) {
    Store({Macro(u"a"), Macro(u"b"), Macro(u"c")});
    SlotPlays(0, 2);
    MacroEditor& e = Open(0);
    e.PressDelete();  // "c" is now number 1
    e.NameSelectionChanged(1);
    e.PressDelete();
    EXPECT_THAT(e.names(), ElementsAre(u"b", u"c"));
    EXPECT_EQ(Messages().size(), 1u);
    // A new macro is used by no slot, whatever its number.
    e.PressNew();
    e.PressDelete();
    EXPECT_THAT(e.names(), ElementsAre(u"b", u"c"));
    e.Confirm();
    EXPECT_EQ(store.working().slot(0).macroNumber(), 1);
}

TEST_F(MacroEditorTest, DeletingTheLastSelectsTheOneBeforeAndTheOnlyOneEmptiesTheList) {
    Store({Macro(u"a", {Step('A', false)}), Macro(u"b")});
    MacroEditor& e = Open(1);
    e.PressDelete();
    EXPECT_EQ(e.nameSelection(), 0);
    EXPECT_THAT(e.events(), ElementsAre(Press(u"A")));
    e.PressDelete();
    EXPECT_THAT(e.names(), IsEmpty());
    EXPECT_EQ(e.selectedMacro(), -1);
    EXPECT_THAT(e.events(), IsEmpty());
    EXPECT_EQ(e.countText(), u"1");
    e.Confirm();
    EXPECT_EQ(store.macros(), MacroTable{});
}

TEST_F(MacroEditorTest, RenamingStoresTheNameAndAnEmptyNameBecomesTheNewMacroText) {
    Store({Macro(u"a"), Macro(u"b", {Step('B', false)})});
    MacroEditor& e = Open(0);
    e.NameEdited(1, u"Copy");
    EXPECT_EQ(e.macros().FindMacro(1)->name(), u"Copy");
    EXPECT_EQ(e.nameSelection(), 1);
    EXPECT_THAT(e.events(), ElementsAre(Press(u"B")));
    e.NameEdited(0, u"");
    EXPECT_THAT(e.names(), ElementsAre(u"New macro", u"Copy"));
    EXPECT_EQ(e.macros().FindMacro(0)->name(), u"New macro");
}

TEST_F(MacroEditorTest, RenamingEndsARecording) {
    Store({Macro(u"a")});
    MacroEditor& e = Open(0);
    e.PressRecord();
    e.PressDelayBox();
    e.NameEdited(0, u"x");
    EXPECT_FALSE(e.recording());
    EXPECT_FALSE(e.delayBoxChecked());
}

TEST_F(MacroEditorTest, OkSavesTheEditedMacrosIntoTheRegistry) {
    Store({Macro(u"a")});
    MacroEditor& e = Open(0);
    e.PressRecord();
    Type({{'C', kPressed}, {'C', kReleased}});
    e.Confirm();
    EXPECT_FALSE(e.recording());
    const auto stored = desktop.registry.Value(kSettingsKey, kMacroSettingValue);
    ASSERT_TRUE(stored);
    MacroTable read;
    std::copy(stored->data.begin(), stored->data.end(), read.data());
    EXPECT_EQ(read, store.macros());
    EXPECT_EQ(read.macros[0], Macro(u"a", {Step('C', false), Step('C', true)}, 0, 0, 1));
}

}  // namespace
}  // namespace q5

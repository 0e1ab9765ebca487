#include "app/AssignmentEditor.h"

#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "model/GestureDispatcher.h"

namespace q5 {
namespace {

constexpr std::uint16_t kCopy = 65;
constexpr std::uint16_t kBasicHeading = 23;
constexpr std::uint16_t kMouseHeading = 26;

class AssignmentEditorTest : public ::testing::Test {
protected:
    AssignmentEditorTest() {
        store.ResetToFactory([this](ActionCode code) { return text.Label(code); });
        store.LoadSettings();
        store.Activate();
    }
    std::uint8_t WorkingCode(int slot) { return store.working().slot(slot).codeByte(); }
    std::optional<std::vector<std::uint8_t>> StoredSetting() {
        const auto value = desktop.registry.Value(kSettingsKey, kButtonSettingValue);
        return value ? std::optional(value->data) : std::nullopt;
    }

    sim::SimPlatform desktop;
    SettingsStore store{desktop.registry, desktop.dialogs};
    DisplayText text{test::LabelTexts(), store.macros(), desktop.input};
    AssignmentEditor editor{store, text};
    test::ScriptedDialogs dialogs;
    test::RecordingPusher pusher{store.working()};
};

TEST_F(AssignmentEditorTest, SubMenuChoiceWritesCodeAndName) {
    EXPECT_EQ(editor.AssignFunction(3, kCopy, kBasicHeading, dialogs), u"Copy");
    EXPECT_EQ(WorkingCode(3), kCopy);
    EXPECT_EQ(store.names().name(3), u"Copy");
    // Not active, not saved.
    EXPECT_EQ(store.active().slot(3).codeByte(), 9);
    EXPECT_FALSE(StoredSetting());
}

TEST_F(AssignmentEditorTest, TopLevelChoicesTakeTheTopCode) {
    EXPECT_EQ(editor.AssignFunction(2, 8, 8, dialogs), u"Flip 3D");
    EXPECT_EQ(WorkingCode(2), 8);
    EXPECT_EQ(editor.AssignFunction(2, 21, 21, dialogs), u"Key off");
    EXPECT_EQ(WorkingCode(2), 21);
}

TEST_F(AssignmentEditorTest, TheOnlyLeftClickIsRefused) {
    EXPECT_EQ(editor.AssignFunction(0, kCopy, kBasicHeading, dialogs), std::nullopt);
    EXPECT_EQ(dialogs.refusals, 1);
    EXPECT_EQ(WorkingCode(0), 1);
    EXPECT_EQ(store.names().name(0), u"Left click");
    // Not even the editors are opened for it.
    EXPECT_EQ(editor.AssignFunction(0, 19, 19, dialogs), std::nullopt);
    EXPECT_EQ(dialogs.combinationRuns, 0);
    // Choosing the left click again is allowed.
    EXPECT_EQ(editor.AssignFunction(0, 1, kMouseHeading, dialogs), u"Left click");
}

TEST_F(AssignmentEditorTest, LeftClickMayMoveOnceAnotherSlotHoldsIt) {
    ASSERT_EQ(editor.AssignFunction(3, 1, kMouseHeading, dialogs), u"Left click");
    EXPECT_EQ(editor.AssignFunction(0, kCopy, kBasicHeading, dialogs), u"Copy");
    EXPECT_EQ(dialogs.refusals, 0);
    EXPECT_EQ(WorkingCode(0), kCopy);
    // Now slot 3 holds the only one.
    EXPECT_EQ(editor.AssignFunction(3, kCopy, kBasicHeading, dialogs), std::nullopt);
    EXPECT_EQ(dialogs.refusals, 1);
}

TEST_F(AssignmentEditorTest, CancelledOrEmptyCombinationChangesNothing) {
    const ActionRecord before = store.working().slot(4);
    dialogs.combination = std::nullopt;
    EXPECT_EQ(editor.AssignFunction(4, 19, 19, dialogs), std::nullopt);
    dialogs.combination = Combination{0, 0, 0};
    EXPECT_EQ(editor.AssignFunction(4, 19, 19, dialogs), std::nullopt);
    EXPECT_EQ(dialogs.combinationRuns, 2);
    EXPECT_EQ(store.working().slot(4).bytes, before.bytes);
    EXPECT_EQ(store.names().name(4), u"Scroll down");
}

TEST_F(AssignmentEditorTest, CombinationIsStoredAndNamed) {
    dialogs.combination = Combination{0x01, 'C', 0};
    EXPECT_EQ(editor.AssignFunction(4, 19, 19, dialogs), u"Ctrl+C");
    const ActionRecord& record = store.working().slot(4);
    EXPECT_EQ(record.codeByte(), 19);
    EXPECT_EQ(record.bytes[3], 0x01);
    EXPECT_EQ(record.bytes[4], 'C');
    EXPECT_EQ(record.bytes[5], 0);
    EXPECT_EQ(store.names().name(4), u"Ctrl+C");
}

TEST_F(AssignmentEditorTest, MacroEditorGetsTheHeldMacroAndItsChoiceIsStored) {
    store.macros().macros[5].setName(u"Greeting");
    store.working().slot(6).setMacroNumber(2);
    dialogs.macro = std::nullopt;
    EXPECT_EQ(editor.AssignFunction(6, 20, 20, dialogs), std::nullopt);
    EXPECT_EQ(WorkingCode(6), 163);
    dialogs.macro = 5;
    EXPECT_EQ(editor.AssignFunction(6, 20, 20, dialogs), u"Greeting");
    EXPECT_EQ(dialogs.preselectedMacros, (std::vector<std::uint8_t>{2, 2}));
    EXPECT_EQ(store.working().slot(6).macroNumber(), 5);
    EXPECT_EQ(WorkingCode(6), 20);
}

TEST_F(AssignmentEditorTest, CodeAbove163IsStoredWithAnEmptyName) {
    EXPECT_EQ(editor.AssignFunction(2, 164, kBasicHeading, dialogs), u"");
    EXPECT_EQ(WorkingCode(2), 164);
    EXPECT_EQ(store.names().name(2), u"");
}

TEST_F(AssignmentEditorTest, NoSlotNoChange) {
    EXPECT_EQ(editor.AssignFunction(-1, kCopy, kBasicHeading, dialogs), std::nullopt);
    EXPECT_EQ(editor.AssignFunction(13, kCopy, kBasicHeading, dialogs), std::nullopt);
    EXPECT_EQ(store.working(), store.active());
}

TEST_F(AssignmentEditorTest, RestoreDefaultIsNotAppliedUntilApply) {
    ASSERT_TRUE(editor.AssignFunction(7, kCopy, kBasicHeading, dialogs));
    ASSERT_TRUE(editor.Apply(pusher, {}));
    EXPECT_EQ(store.active().slot(7).codeByte(), kCopy);

    EXPECT_EQ(editor.RestoreDefault(7), u"Minimise");
    EXPECT_EQ(WorkingCode(7), 89);
    EXPECT_EQ(store.names().name(7), u"Minimise");
    // Gestures still perform the applied copy.
    EXPECT_EQ(store.active().slot(7).codeByte(), kCopy);
    EXPECT_EQ(StoredSetting()->at(16 + 7 * 526 + 1), kCopy);

    ASSERT_TRUE(editor.Apply(pusher, {}));
    EXPECT_EQ(store.active().slot(7).codeByte(), 89);
    EXPECT_EQ(StoredSetting()->at(16 + 7 * 526 + 1), 89);
}

TEST_F(AssignmentEditorTest, RestoreDefaultIgnoresTheLeftClickRule) {
    ASSERT_TRUE(editor.AssignFunction(3, 1, kMouseHeading, dialogs));
    ASSERT_TRUE(editor.AssignFunction(0, kCopy, kBasicHeading, dialogs));
    // Slot 3 holds the only left click, and still goes back to scrolling.
    EXPECT_EQ(editor.RestoreDefault(3), u"Scroll up");
    EXPECT_EQ(WorkingCode(3), 9);
    EXPECT_EQ(dialogs.refusals, 0);
}

TEST_F(AssignmentEditorTest, ResetRestoresEveryFactoryNameAndSaves) {
    ASSERT_TRUE(editor.AssignFunction(3, kCopy, kBasicHeading, dialogs));
    dialogs.combination = Combination{0x01, 'V', 0};
    ASSERT_TRUE(editor.AssignFunction(5, 19, 19, dialogs));
    editor.ResetToFactory();
    ASSERT_TRUE(editor.Apply(pusher, {}));
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(WorkingCode(slot), kFactoryTable[static_cast<std::size_t>(slot)]) << slot;
        EXPECT_EQ(store.names().name(slot), text.Label(FactoryCodeOfSlot(slot))) << slot;
    }
    EXPECT_EQ(store.names().name(5), u"Charms");
    EXPECT_EQ(store.active(), store.working());
    ASSERT_EQ(pusher.pushed.size(), 1u);
    EXPECT_EQ(pusher.pushed[0].slot(5).codeByte(), 37);
    // Only the codes go back: the recorded combination stays in its bytes.
    EXPECT_EQ(pusher.pushed[0].slot(5).combination(), (Combination{0x01, 'V', 0}));
    EXPECT_EQ(StoredSetting()->at(16 + 3 * 526 + 1), 9);
}

TEST_F(AssignmentEditorTest, ClosedNeitherResetsNorSaves) {
    ASSERT_TRUE(editor.AssignFunction(3, kCopy, kBasicHeading, dialogs));
    ASSERT_TRUE(editor.Apply(pusher, {}));
    ASSERT_TRUE(editor.AssignFunction(4, kCopy, kBasicHeading, dialogs));
    const auto stored = StoredSetting();
    ASSERT_TRUE(stored.has_value());
    const ButtonSetting working = store.working();
    const std::u16string name3 = store.names().name(3);

    // The window closes while the Reset question is open; then OK.
    EXPECT_FALSE(editor.closed());
    editor.Close();
    EXPECT_TRUE(editor.closed());
    editor.ResetToFactory();
    EXPECT_FALSE(editor.Apply(pusher, {}));
    EXPECT_EQ(store.working(), working);
    EXPECT_EQ(WorkingCode(3), kCopy);
    EXPECT_EQ(store.names().name(3), name3);
    EXPECT_EQ(store.active().slot(4).codeByte(), kFactoryTable[4]);
    EXPECT_EQ(pusher.pushed.size(), 1u);
    EXPECT_EQ(StoredSetting(), stored);
}

TEST_F(AssignmentEditorTest, AnEditorEndedByClosingAssignsNothing) {
    dialogs.whileOpen = [this] { editor.Close(); };
    dialogs.combination = Combination{0x01, 'V', 0};
    EXPECT_EQ(editor.AssignFunction(5, 19, 19, dialogs), std::nullopt);
    dialogs.macro = 4;
    EXPECT_EQ(editor.AssignFunction(6, 20, 20, dialogs), std::nullopt);
    EXPECT_EQ(dialogs.combinationRuns, 1);
    EXPECT_EQ(dialogs.preselectedMacros.size(), 1u);
    EXPECT_EQ(store.working(), store.active());
    EXPECT_EQ(store.names().name(5), text.Label(FactoryCodeOfSlot(5)));
    EXPECT_EQ(store.names().name(6), text.Label(FactoryCodeOfSlot(6)));
}

}  // namespace
}  // namespace q5

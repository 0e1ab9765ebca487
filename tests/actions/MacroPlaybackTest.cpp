#include "actions/MacroPlayback.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/sim/SimPlatform.h"

namespace q5 {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char16_t kTrayTip[] = u"Korvo Q5 Touch Mouse";

MacroStep Step(std::uint8_t vk, bool up, std::int32_t delay = 0) {
    MacroStep step;
    step.vk = vk;
    step.keyUp = up ? 1 : 0;
    step.setDelayAfter(delay);
    return step;
}

class MacroPlaybackTest : public ::testing::Test {
protected:
    MacroPlaybackTest() {
        notepad = desktop.windows.AddWindow({}, u"Notepad", {0, 0, 100, 100}, kWsVisible,
                                            u"Untitled - Notepad");
        tray = desktop.windows.AddWindow({}, u"#32770", {0, 0, 10, 10}, kWsVisible, kTrayTip);
        desktop.windows.SetForeground(notepad);
    }

    void Define(std::size_t number, std::vector<MacroStep> steps, std::int32_t loopFlag = 0,
                std::int32_t loopCount = 0) {
        tagMACROINFO& macro = table.macros[number];
        for (std::size_t i = 0; i < steps.size(); ++i) {
            macro.steps[i] = steps[i];
        }
        macro.setStepCount(static_cast<std::uint16_t>(steps.size()));
        macro.setLoopFlag(loopFlag);
        macro.setLoopCount(loopCount);
        table.setCount(
            static_cast<std::uint32_t>(std::max<std::size_t>(table.count(), number + 1)));
    }
    std::vector<std::string> Lines() const { return desktop.journal.Lines(); }

    sim::SimPlatform desktop;
    WindowHandle notepad;
    WindowHandle tray;
    MacroTable table;
    std::u16string avoid = kTrayTip;
    KeyCodePlayer keys{desktop.platform()};
    MacroPlayback playback{desktop.platform(), keys, table, avoid};
};

TEST_F(MacroPlaybackTest, WithoutLoopFlagPlaysOnceWhateverTheCount) {
    Define(0, {Step('A', false), Step('A', true), Step(0xC1, false)}, 0, 7);
    playback.PlayMacro(0);
    EXPECT_THAT(Lines(), ElementsAre("key 0x41 0x1e 0", "wait 50", "key 0x41 0x1e 2", "wait 50",
                                     "mouse 0x0002 0 0 0"));
}

TEST_F(MacroPlaybackTest, LoopRepeatsWithoutExtraPauses) {
    Define(1, {Step(0xC2, false), Step(0xC2, true, 30)}, 1, 3);
    playback.PlayMacro(1);
    EXPECT_THAT(Lines(), ElementsAre("mouse 0x0008 0 0 0", "mouse 0x0010 0 0 0", "wait 30",
                                     "mouse 0x0008 0 0 0", "mouse 0x0010 0 0 0", "wait 30",
                                     "mouse 0x0008 0 0 0", "mouse 0x0010 0 0 0", "wait 30"));
}

TEST_F(MacroPlaybackTest, LoopWithZeroOrNegativeCountPlaysNothing) {
    Define(0, {Step('A', false)}, 1, 0);
    Define(1, {Step('A', false)}, 1, -4);
    playback.PlayMacro(0);
    playback.PlayMacro(1);
    EXPECT_THAT(desktop.journal.Calls(), IsEmpty());
}

TEST_F(MacroPlaybackTest, StoredLoopCountAboveTheEditorsLimitRepeatsNinetyNineTimes) {
    Define(0, {Step(0xC1, false), Step(0xC1, true)}, 1, 0x7FFFFFFF);
    Define(1, {Step(0xC1, false), Step(0xC1, true)}, 1, 100);
    Define(2, {Step(0xC1, false), Step(0xC1, true)}, 1, 99);
    for (std::uint8_t number : {0, 1, 2}) {
        desktop.journal.Clear();
        playback.PlayMacro(number);
        EXPECT_EQ(Lines().size(), 2u * 99u) << "macro " << int{number};
    }
}

TEST_F(MacroPlaybackTest, RecordedPauseFollowsTheFixedPause) {
    Define(0, {Step('A', false, 120), Step('A', true)});
    const std::uint32_t start = desktop.clock.GetTickCount();
    playback.PlayMacro(0);
    EXPECT_THAT(Lines(), ElementsAre("key 0x41 0x1e 0", "wait 50", "wait 120", "key 0x41 0x1e 2",
                                     "wait 50"));
    EXPECT_EQ(desktop.clock.GetTickCount() - start, 220u);
}

TEST_F(MacroPlaybackTest, SidedModifiersAreSentAsGeneric) {
    Define(0, {Step(0xA2, false), Step(0xA2, true)});
    playback.PlayMacro(0);
    EXPECT_THAT(Lines(), ElementsAre("key 0x11 0x1d 0", "wait 50", "key 0x11 0x1d 2", "wait 50"));
}

TEST_F(MacroPlaybackTest, NegativePausesAreNotWaited) {
    Define(0, {Step(0xC1, false, -5), Step(0xC1, true)});
    playback.PlayMacro(0);
    EXPECT_THAT(Lines(), ElementsAre("mouse 0x0002 0 0 0", "mouse 0x0004 0 0 0"));
}

TEST_F(MacroPlaybackTest, EmptyOrUnusableNumbersPlayNothing) {
    Define(0, {Step('A', false), Step('A', true)});
    table.macros[99].steps[0] = Step('B', false);
    table.macros[99].setStepCount(1);
    for (int number : {1, 50, 98, 99, 100, 255}) {
        playback.PlayMacro(static_cast<std::uint8_t>(number));
    }
    EXPECT_THAT(desktop.journal.Calls(), IsEmpty());
}

TEST_F(MacroPlaybackTest, TrayTitleInTheForegroundStopsBeforeTheFirstEvent) {
    Define(0, {Step('A', false), Step('A', true)});
    desktop.windows.SetForeground(tray);
    playback.PlayMacro(0);
    EXPECT_THAT(desktop.journal.Calls(), IsEmpty());
}

TEST_F(MacroPlaybackTest, NoForegroundWindowStopsPlayback) {
    Define(0, {Step('A', false), Step('A', true)});
    desktop.windows.SetForeground({});
    playback.PlayMacro(0);
    EXPECT_THAT(desktop.journal.Calls(), IsEmpty());
}

TEST_F(MacroPlaybackTest, KeepsItsOwnCopyOfATemporaryTitle) {
    Define(0, {Step('A', false), Step('A', true)});
    MacroPlayback fromTemporary(desktop.platform(), keys, table, std::u16string(kTrayTip));
    desktop.windows.SetForeground(tray);
    fromTemporary.PlayMacro(0);
    EXPECT_THAT(desktop.journal.Calls(), IsEmpty());
}

TEST_F(MacroPlaybackTest, ANewTitleReplacesTheOldOne) {
    Define(0, {Step(0xC1, false), Step(0xC1, true)});
    desktop.windows.SetForeground(tray);
    playback.SetAvoidTitle(u"Another tip");
    playback.PlayMacro(0);
    const auto oneClick = ElementsAre("mouse 0x0002 0 0 0", "mouse 0x0004 0 0 0");
    EXPECT_THAT(Lines(), oneClick);
    // Back to the tray tip: the tray window in front stops the second run.
    playback.SetAvoidTitle(kTrayTip);
    playback.PlayMacro(0);
    EXPECT_THAT(Lines(), oneClick);
}

TEST_F(MacroPlaybackTest, TitleComparisonIsExactAndCaseSensitive) {
    Define(0, {Step(0xC1, false), Step(0xC1, true)});
    desktop.windows.Find(tray)->title = u"korvo q5 touch mouse";
    desktop.windows.SetForeground(tray);
    playback.PlayMacro(0);
    EXPECT_EQ(Lines().size(), 2u);
}

TEST_F(MacroPlaybackTest, AbortReleasesWhatThisPlaybackHeldInReverseOrder) {
    // Ctrl, Shift, A down, then the tray window comes to the front during the
    // pause after the second event.
    Define(0, {Step(0xA2, false), Step(0x10, false), Step('A', false), Step('A', true),
               Step(0x10, true), Step(0xA2, true)});
    desktop.clock.After(75, [this] { desktop.windows.SetForeground(tray); });
    playback.PlayMacro(0);
    EXPECT_THAT(Lines(), ElementsAre("key 0x11 0x1d 0", "wait 50", "key 0x10 0x2a 0", "wait 50",
                                     "key 0x10 0x2a 2", "wait 50", "key 0x11 0x1d 2", "wait 50"));
    EXPECT_FALSE(desktop.input.AnythingDown());
}

TEST_F(MacroPlaybackTest, AbortReleasesHeldMouseButtonsWithoutPause) {
    Define(0, {Step(0xC1, false, 100), Step(0xC1, true)});
    desktop.clock.After(10, [this] { desktop.windows.SetForeground(tray); });
    playback.PlayMacro(0);
    EXPECT_THAT(Lines(), ElementsAre("mouse 0x0002 0 0 0", "wait 100", "mouse 0x0004 0 0 0"));
}

TEST_F(MacroPlaybackTest, KeysReleasedBeforeTheAbortAreNotReleasedAgain) {
    Define(0, {Step('A', false), Step('A', true), Step('B', false), Step('B', true)});
    desktop.clock.After(99, [this] { desktop.windows.SetForeground(tray); });
    playback.PlayMacro(0);
    EXPECT_THAT(Lines(), ElementsAre("key 0x41 0x1e 0", "wait 50", "key 0x41 0x1e 2", "wait 50"));
}

TEST_F(MacroPlaybackTest, ACompletedMacroLeavesItsRecordedStateAlone) {
    Define(0, {Step(0x10, false)});
    playback.PlayMacro(0);
    EXPECT_TRUE(desktop.input.IsDown(0x10));
}

}  // namespace
}  // namespace q5

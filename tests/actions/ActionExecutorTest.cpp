#include "actions/ActionExecutor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "actions/FakeCollaborators.h"
#include "platform/sim/SimPlatform.h"

namespace q5 {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using ::testing::Return;
using ::testing::StrictMock;

class ActionExecutorTest : public ::testing::Test {
protected:
    void Run(ActionCode code, unsigned release = 7) { Run(ActionRecord::WithCode(code), release); }
    void Run(const ActionRecord& record, unsigned release = 7) {
        desktop.system.SetVersion(sim::SimSystemInfo::VersionOfRelease(release));
        executor.ExecuteAction(record);
    }
    std::vector<std::string> Lines() const { return desktop.journal.Lines(); }

    sim::SimPlatform desktop;
    test::FakeCollaborators with;
    ActionExecutor executor{desktop.platform(), with.collaborators()};
};

TEST_F(ActionExecutorTest, ClicksAreButtonDownThenUp) {
    Run(ActionCode::LeftClick);
    Run(ActionCode::RightClick);
    Run(ActionCode::MiddleClick);
    EXPECT_THAT(Lines(),
                ElementsAre("mouse 0x0002 0 0 0", "mouse 0x0004 0 0 0", "mouse 0x0008 0 0 0",
                            "mouse 0x0010 0 0 0", "mouse 0x0020 0 0 0", "mouse 0x0040 0 0 0"));
    EXPECT_FALSE(desktop.input.AnythingDown());
}

TEST_F(ActionExecutorTest, ForwardAndBackAreTheXButtons) {
    Run(ActionCode::Forward);
    Run(ActionCode::Back);
    EXPECT_THAT(Lines(), ElementsAre("mouse 0x0080 0 0 2", "mouse 0x0100 0 0 2",
                                     "mouse 0x0080 0 0 1", "mouse 0x0100 0 0 1"));
}

TEST_F(ActionExecutorTest, WheelIsOneNotch) {
    Run(ActionCode::ScrollUp);
    Run(ActionCode::ScrollDown);
    EXPECT_THAT(Lines(), ElementsAre("mouse 0x0800 0 0 120", "mouse 0x0800 0 0 -120"));
}

TEST_F(ActionExecutorTest, DoubleClickIsFourEventsWithoutPause) {
    Run(ActionCode::DoubleClick);
    EXPECT_THAT(Lines(), ElementsAre("mouse 0x0002 0 0 0", "mouse 0x0004 0 0 0",
                                     "mouse 0x0002 0 0 0", "mouse 0x0004 0 0 0"));
}

TEST_F(ActionExecutorTest, MouseEventsCarryTheMessageExtraInformation) {
    desktop.input.SetMessageExtraInfo(0x1234);
    Run(ActionCode::LeftClick);
    const auto& call = std::get<sim::MouseCall>(desktop.journal.Calls().at(0));
    EXPECT_EQ(call.extraInfo, 0x1234u);
}

TEST_F(ActionExecutorTest, ChordsPressInOrderAndReleaseInReverse) {
    Run(ActionCode::Cut);
    EXPECT_THAT(Lines(), ElementsAre("key 0x11 0x00 1", "key 0x58 0x00 1", "key 0x58 0x00 3",
                                     "key 0x11 0x00 3"));
    EXPECT_FALSE(desktop.input.AnythingDown());
}

struct ChordCase {
    ActionCode code;
    std::uint8_t first;
    std::uint8_t second;
};

TEST_F(ActionExecutorTest, EveryFixedChord) {
    const ChordCase cases[] = {
        {ActionCode::Copy, 0x11, 'C'},         {ActionCode::Paste, 0x11, 'V'},
        {ActionCode::SelectAll, 0x11, 'A'},    {ActionCode::New, 0x11, 'N'},
        {ActionCode::Print, 0x11, 'P'},        {ActionCode::Save, 0x11, 'S'},
        {ActionCode::Search, 0x11, 'F'},       {ActionCode::CloseWindow, 0xA4, 0x73},
        {ActionCode::FileExplorer, 0x5B, 'E'}, {ActionCode::RunDialog, 0x5B, 'R'},
        {ActionCode::ShowDesktop, 0x5B, 'D'},
    };
    for (const auto& c : cases) {
        desktop.journal.Clear();
        Run(c.code);
        EXPECT_THAT(desktop.journal.Calls(),
                    ElementsAre(sim::PlatformCall{sim::KeyCall{c.first, 0, 1, 0}},
                                sim::PlatformCall{sim::KeyCall{c.second, 0, 1, 0}},
                                sim::PlatformCall{sim::KeyCall{c.second, 0, 3, 0}},
                                sim::PlatformCall{sim::KeyCall{c.first, 0, 3, 0}}))
            << int{ToByte(c.code)};
    }
}

TEST_F(ActionExecutorTest, SingleKeysAreTapped) {
    Run(ActionCode::Delete);
    Run(ActionCode::Mute);
    Run(ActionCode::VolumeUp);
    Run(ActionCode::VolumeDown);
    EXPECT_THAT(Lines(), ElementsAre("key 0x2e 0x00 1", "key 0x2e 0x00 3", "key 0xad 0x00 1",
                                     "key 0xad 0x00 3", "key 0xaf 0x00 1", "key 0xaf 0x00 3",
                                     "key 0xae 0x00 1", "key 0xae 0x00 3"));
}

const std::vector<std::string> kSwitcherXp = {"key 0xa4 0x00 1", "key 0x09 0x00 0", "wait 100",
                                              "key 0x09 0x00 2", "key 0xa4 0x00 3"};

std::vector<std::string> SwitcherVista() {
    auto lines = kSwitcherXp;
    lines.insert(lines.end(), {"wait 100", "key 0xa4 0x00 1", "key 0xa4 0x00 3"});
    return lines;
}

TEST_F(ActionExecutorTest, WindowSwitcherBeforeVistaHasOnePause) {
    const std::uint32_t start = desktop.clock.GetTickCount();
    Run(ActionCode::SwitchWindow, 4);
    EXPECT_THAT(Lines(), ElementsAreArray(kSwitcherXp));
    EXPECT_EQ(desktop.clock.GetTickCount() - start, 100u);
}

TEST_F(ActionExecutorTest, WindowSwitcherFromVistaTapsAltAgain) {
    for (unsigned release : {5u, 6u, 7u}) {
        desktop.journal.Clear();
        Run(ActionCode::SwitchWindow, release);
        EXPECT_THAT(Lines(), ElementsAreArray(SwitcherVista())) << release;
    }
    EXPECT_FALSE(desktop.input.AnythingDown());
}

TEST_F(ActionExecutorTest, Flip3DDependsOnTheRelease) {
    Run(ActionCode::Flip3D, 7);
    EXPECT_THAT(Lines(), IsEmpty());

    for (unsigned release : {5u, 6u}) {
        desktop.journal.Clear();
        Run(ActionCode::Flip3D, release);
        EXPECT_THAT(Lines(), ElementsAre("key 0x11 0x00 1", "key 0x5b 0x00 1", "key 0x09 0x00 1",
                                         "key 0x09 0x00 3", "key 0x5b 0x00 3", "key 0x11 0x00 3"));
    }
    for (unsigned release : {0u, 1u, 2u, 3u, 4u}) {
        desktop.journal.Clear();
        Run(ActionCode::Flip3D, release);
        EXPECT_THAT(Lines(), ElementsAreArray(kSwitcherXp)) << release;
    }
}

TEST_F(ActionExecutorTest, Windows8KeysOnlyFromWindows8) {
    for (unsigned release = 0; release <= 6; ++release) {
        Run(ActionCode::Win8StartScreen, release);
        Run(ActionCode::Win8AllApps, release);
        Run(ActionCode::Win8Charms, release);
    }
    EXPECT_THAT(Lines(), IsEmpty());

    Run(ActionCode::Win8StartScreen);
    Run(ActionCode::Win8AllApps);
    Run(ActionCode::Win8Charms);
    EXPECT_THAT(Lines(), ElementsAre("key 0x5b 0x00 1", "key 0x5b 0x00 3", "key 0x5b 0x00 1",
                                     "key 0x51 0x00 1", "key 0x51 0x00 3", "key 0x5b 0x00 3",
                                     "key 0x5b 0x00 1", "key 0x43 0x00 1", "key 0x43 0x00 3",
                                     "key 0x5b 0x00 3"));
}

TEST_F(ActionExecutorTest, Windows8ZoomBeforeWindows7UsesTheScrollZoom) {
    EXPECT_CALL(with.scroll, ZoomIn()).Times(1);
    EXPECT_CALL(with.scroll, ZoomOut()).Times(1);
    Run(ActionCode::Win8ZoomIn, 5);
    Run(ActionCode::Win8ZoomOut, 5);
    EXPECT_THAT(Lines(), IsEmpty());
}

TEST_F(ActionExecutorTest, Windows8ZoomFromWindows7IsWinPlusOrMinus) {
    Run(ActionCode::Win8ZoomIn, 6);
    Run(ActionCode::Win8ZoomOut, 7);
    EXPECT_THAT(Lines(), ElementsAre("key 0x5b 0x00 1", "key 0x6b 0x00 1", "key 0x6b 0x00 3",
                                     "key 0x5b 0x00 3", "key 0x5b 0x00 1", "key 0x6d 0x00 1",
                                     "key 0x6d 0x00 3", "key 0x5b 0x00 3"));
}

TEST_F(ActionExecutorTest, Windows8SwitchAndF23ZoomOutBeforeWindows7) {
    EXPECT_CALL(with.scroll, ZoomOut()).Times(12);
    for (unsigned release = 0; release <= 5; ++release) {
        Run(ActionCode::Win8Switch, release);
        Run(ActionCode::Win8F23, release);
    }
    EXPECT_THAT(Lines(), IsEmpty());
}

TEST_F(ActionExecutorTest, Windows8SwitchAndF23FromWindows7AreLeftCtrlWinChords) {
    Run(ActionCode::Win8Switch, 6);
    Run(ActionCode::Win8F23, 7);
    EXPECT_THAT(Lines(), ElementsAre("key 0xa2 0x00 1", "key 0x5b 0x00 1", "key 0x08 0x00 1",
                                     "key 0x08 0x00 3", "key 0x5b 0x00 3", "key 0xa2 0x00 3",
                                     "key 0xa2 0x00 1", "key 0x5b 0x00 1", "key 0x86 0x00 1",
                                     "key 0x86 0x00 3", "key 0x5b 0x00 3", "key 0xa2 0x00 3"));
}

TEST_F(ActionExecutorTest, UnknownCodesHeadingsAndDisabledDoNothing) {
    for (int code :
         {0, 6, 7, 11, 12, 13, 14, 15, 21, 22, 23, 24, 26, 27, 28, 29, 30, 31, 32, 200, 255}) {
        Run(ActionRecord::WithCode(static_cast<ActionCode>(code)));
    }
    EXPECT_THAT(desktop.journal.Calls(), IsEmpty());
}

TEST_F(ActionExecutorTest, HorizontalScrollAndZoomAreHandedOn) {
    ::testing::InSequence order;
    EXPECT_CALL(with.scroll, ScrollHorizontally(3));
    EXPECT_CALL(with.scroll, ScrollHorizontally(-3));
    EXPECT_CALL(with.scroll, ZoomIn());
    EXPECT_CALL(with.scroll, ZoomOut());
    Run(ActionCode::ScrollLeft);
    Run(ActionCode::ScrollRight);
    Run(ActionCode::ZoomIn);
    Run(ActionCode::ZoomOut);
}

TEST_F(ActionExecutorTest, CombinationGetsBytesThreeToFive) {
    ActionRecord record = ActionRecord::WithCode(ActionCode::CombinationKeys);
    record.bytes[3] = 0x05;
    record.bytes[4] = 0x41;
    record.bytes[5] = 0x42;
    EXPECT_CALL(with.combination, PlayCombination(Combination{0x05, 0x41, 0x42}));
    Run(record);
}

TEST_F(ActionExecutorTest, MacroGetsByteTwo) {
    ActionRecord record = ActionRecord::WithCode(ActionCode::Macro);
    record.bytes[2] = 98;
    EXPECT_CALL(with.macro, PlayMacro(98));
    Run(record);
}

TEST_F(ActionExecutorTest, ProgramsOpenThroughTheShell) {
    ActionRecord record = ActionRecord::WithCode(ActionCode::RunProgram);
    record.setPath(u"C:\\Tools\\app.exe");
    ::testing::InSequence order;
    EXPECT_CALL(with.system, OpenWithShell(std::u16string_view(u"C:\\Tools\\app.exe")));
    EXPECT_CALL(with.system, OpenWithShell(std::u16string_view(u"Winword")));
    EXPECT_CALL(with.system, OpenWithShell(std::u16string_view(u"excel")));
    EXPECT_CALL(with.system, OpenWithShell(std::u16string_view(u"POWERPNT")));
    Run(record);
    Run(ActionCode::OpenWord);
    Run(ActionCode::OpenExcel);
    Run(ActionCode::OpenPowerPoint);
}

TEST_F(ActionExecutorTest, LockIsHandedOn) {
    EXPECT_CALL(with.system, LockWorkstationAction());
    Run(ActionCode::LockWorkstation);
}

TEST_F(ActionExecutorTest, MinimiseOnlyWhileNothingIsRemembered) {
    EXPECT_CALL(with.system, HasRememberedWindow()).WillOnce(Return(false)).WillOnce(Return(true));
    EXPECT_CALL(with.system, MinimiseForegroundWindow()).Times(1);
    Run(ActionCode::MinimiseWindow);
    Run(ActionCode::MinimiseWindow);
}

TEST_F(ActionExecutorTest, RestoreOnlyWhileAWindowIsRemembered) {
    EXPECT_CALL(with.system, HasRememberedWindow()).WillOnce(Return(false)).WillOnce(Return(true));
    EXPECT_CALL(with.system, RestoreRememberedWindow()).Times(1);
    Run(ActionCode::RestoreWindow);
    Run(ActionCode::RestoreWindow);
}

TEST_F(ActionExecutorTest, MediaCodesAreHandedOn) {
    ::testing::InSequence order;
    EXPECT_CALL(with.media, MediaPlayPause());
    EXPECT_CALL(with.media, MediaPrevious());
    EXPECT_CALL(with.media, MediaNext());
    EXPECT_CALL(with.media, MediaStop());
    Run(ActionCode::PlayPause);
    Run(ActionCode::PreviousTrack);
    Run(ActionCode::NextTrack);
    Run(ActionCode::Stop);
}

TEST_F(ActionExecutorTest, SocialPagesAndEntries) {
    ::testing::InSequence order;
    for (auto code : {ActionCode::SocialHome, ActionCode::SocialMessages, ActionCode::SocialNotes,
                      ActionCode::SocialMessagesAgain, ActionCode::SocialEvents,
                      ActionCode::SocialMessageMedia, ActionCode::SocialMedia}) {
        EXPECT_CALL(with.social, OpenSocialPage(code));
    }
    for (const char* name :
         {"OpenZoomOutWindow", "OpenZoomInWindow", "OpenSearchFriend", "OpenAllFriend",
          "OpenAllMessage", "OpenAllNotify", "OpenFriendAlign"}) {
        EXPECT_CALL(with.social, CallSocialEntry(std::string_view(name)));
    }
    for (int code : {128, 133, 137, 154, 155, 156, 157, 129, 130, 131, 132, 134, 135, 136}) {
        Run(ActionRecord::WithCode(static_cast<ActionCode>(code)));
    }
    EXPECT_THAT(desktop.journal.Calls(), IsEmpty());
}

TEST_F(ActionExecutorTest, UnusedFieldsDoNotChangeWhatIsPerformed) {
    ActionRecord record = ActionRecord::WithCode(ActionCode::Copy);
    record.setMacroNumber(5);
    record.setCombination({1, 2, 3});
    record.setPath(u"ignored");
    Run(record);
    // Ctrl+C exactly, as for a bare Copy record.
    EXPECT_THAT(desktop.journal.Calls(),
                ElementsAre(sim::PlatformCall{sim::KeyCall{0x11, 0, 1, 0}},
                            sim::PlatformCall{sim::KeyCall{'C', 0, 1, 0}},
                            sim::PlatformCall{sim::KeyCall{'C', 0, 3, 0}},
                            sim::PlatformCall{sim::KeyCall{0x11, 0, 3, 0}}));
}

}  // namespace
}  // namespace q5

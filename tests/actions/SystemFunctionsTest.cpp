#include "actions/SystemFunctions.h"

#include <gmock/gmock.h>

#include "DesktopFixture.h"
#include "actions/ActionExecutor.h"
#include "actions/CFaceBookFunction.h"
#include "actions/MediaPlayers.h"
#include "actions/WindowScroller.h"

namespace q5 {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::uint32_t kSysCommand = 0x0112;
constexpr std::uint32_t kBoth = kWsVisible | kWsMinimizeBox | kWsMaximizeBox;

class NoCombination final : public CombinationPlayer {
public:
    void PlayCombination(const Combination&) override { ADD_FAILURE() << "no combination here"; }
};

class NoMacro final : public MacroPlayer {
public:
    void PlayMacro(std::uint8_t) override { ADD_FAILURE() << "no macro here"; }
};

// The executor with the real collaborators on the simulated desktop.
class SystemFunctionsTest : public DesktopFixture {
protected:
    void Perform(ActionCode code) { executor.ExecuteAction(ActionRecord::WithCode(code)); }
    std::string Minimise(WindowHandle window) { return Send(window, kSysCommand, 0xF020, 0); }
    std::string Restore(WindowHandle window) { return Send(window, kSysCommand, 0xF120, 0); }

    SystemFunctions system{desk.platform()};
    WindowScroller scroller{desk.platform()};
    MediaPlayers media{desk.platform()};
    CFaceBookFunction social{desk.platform(), system};
    NoCombination combination;
    NoMacro macro;
    ActionExecutor executor{
        desk.platform(), ActionCollaborators{scroller, media, system, social, combination, macro}};
};

TEST_F(SystemFunctionsTest, LockWithoutWow64) {
    Perform(ActionCode::LockWorkstation);
    EXPECT_THAT(Lines(), ElementsAre("lock"));
}

TEST_F(SystemFunctionsTest, LockUnderWow64SwitchesRedirectionOffAroundTheCall) {
    desk.workstation.SetUnderWow64(true);
    Perform(ActionCode::LockWorkstation);
    EXPECT_THAT(Lines(), ElementsAre("wow64 redirection off", "lock", "wow64 redirection revert"));
    const auto& revert = std::get<sim::RedirectionCall>(desk.journal.Calls()[2]);
    EXPECT_EQ(revert.state, sim::SimWorkstation::kRedirectionOn);
    EXPECT_FALSE(desk.workstation.RedirectionOff());
}

TEST_F(SystemFunctionsTest, LockWithoutIsWow64EntryCountsAsNative) {
    desk.workstation.SetUnderWow64(true);
    desk.workstation.SetIsWow64Entry(EntryResult::kMissing);
    Perform(ActionCode::LockWorkstation);
    desk.workstation.SetIsWow64Entry(EntryResult::kFailed);
    Perform(ActionCode::LockWorkstation);
    EXPECT_THAT(Lines(), ElementsAre("lock", "lock"));
}

TEST_F(SystemFunctionsTest, LockUnderWow64WithoutTheDisableEntryDoesNotLock) {
    desk.workstation.SetUnderWow64(true);
    desk.workstation.SetDisableEntry(EntryResult::kMissing);
    Perform(ActionCode::LockWorkstation);
    EXPECT_THAT(Lines(), IsEmpty());
}

TEST_F(SystemFunctionsTest, LockUnderWow64WithoutTheRevertEntryStillLocks) {
    desk.workstation.SetUnderWow64(true);
    desk.workstation.SetRevertEntry(EntryResult::kMissing);
    Perform(ActionCode::LockWorkstation);
    EXPECT_THAT(Lines(), ElementsAre("wow64 redirection off", "lock"));
}

TEST_F(SystemFunctionsTest, MinimiseTwiceMinimisesOnce) {
    const WindowHandle window = TopLevel(u"Notepad", kScreen, kBoth);
    desk.windows.SetForeground(window);
    Perform(ActionCode::MinimiseWindow);
    Perform(ActionCode::MinimiseWindow);
    EXPECT_EQ(Lines(), std::vector{Minimise(window)});
    EXPECT_EQ(system.RememberedWindow(), window);
    const auto& send = std::get<sim::SendCall>(desk.journal.Calls()[0]);
    EXPECT_TRUE(send.timed);
    EXPECT_EQ(send.flags, kSmtoAbortIfHung);
    EXPECT_EQ(send.timeoutMs, 1000u);
}

TEST_F(SystemFunctionsTest, MinimiseThenRestoreThenMinimiseAgain) {
    const WindowHandle first = TopLevel(u"Notepad", kScreen, kBoth);
    const WindowHandle second = TopLevel(u"WordPad", kScreen, kBoth);
    desk.windows.SetForeground(first);
    Perform(ActionCode::MinimiseWindow);
    desk.windows.SetForeground(second);
    Perform(ActionCode::RestoreWindow);
    EXPECT_FALSE(system.HasRememberedWindow());
    Perform(ActionCode::MinimiseWindow);
    EXPECT_EQ(Lines(), (std::vector{Minimise(first), Restore(first), Minimise(second)}));
}

TEST_F(SystemFunctionsTest, RestoreWithoutMinimiseDoesNothing) {
    const WindowHandle window = TopLevel(u"Notepad", kScreen, kBoth);
    desk.windows.SetForeground(window);
    Perform(ActionCode::RestoreWindow);
    EXPECT_THAT(Lines(), IsEmpty());
}

TEST_F(SystemFunctionsTest, WindowWithoutMinimiseBoxIsRememberedNotMinimised) {
    const WindowHandle window = TopLevel(u"Dialog", kScreen, kWsVisible | kWsMaximizeBox);
    desk.windows.SetForeground(window);
    Perform(ActionCode::MinimiseWindow);
    Perform(ActionCode::MinimiseWindow);
    EXPECT_THAT(Lines(), IsEmpty());
    Perform(ActionCode::RestoreWindow);
    EXPECT_EQ(Lines(), std::vector{Restore(window)});
    EXPECT_FALSE(system.HasRememberedWindow());
}

TEST_F(SystemFunctionsTest, WindowWithoutMaximiseBoxIsOnlyForgotten) {
    const WindowHandle window = TopLevel(u"Tool", kScreen, kWsVisible | kWsMinimizeBox);
    desk.windows.SetForeground(window);
    Perform(ActionCode::MinimiseWindow);
    Perform(ActionCode::RestoreWindow);
    EXPECT_EQ(Lines(), std::vector{Minimise(window)});
    EXPECT_FALSE(system.HasRememberedWindow());
}

TEST_F(SystemFunctionsTest, ClosedWindowIsForgottenWithoutMessage) {
    const WindowHandle window = TopLevel(u"Notepad", kScreen, kBoth);
    desk.windows.SetForeground(window);
    Perform(ActionCode::MinimiseWindow);
    desk.windows.RemoveWindow(window);
    Perform(ActionCode::RestoreWindow);
    EXPECT_EQ(Lines(), std::vector{Minimise(window)});
    EXPECT_FALSE(system.HasRememberedWindow());
}

TEST_F(SystemFunctionsTest, DesktopWindowIsNeverMinimised) {
    desk.windows.SetForeground(desk.windows.GetDesktopWindow());
    Perform(ActionCode::MinimiseWindow);
    Perform(ActionCode::RestoreWindow);
    EXPECT_THAT(Lines(), IsEmpty());
}

TEST_F(SystemFunctionsTest, HungForegroundWindowReceivesNothing) {
    const WindowHandle window = TopLevel(u"Frozen", kScreen, kBoth);
    desk.windows.Find(window)->hung = true;
    desk.windows.SetForeground(window);
    Perform(ActionCode::MinimiseWindow);
    EXPECT_EQ(Lines(), std::vector{Minimise(window)});
    EXPECT_THAT(desk.windows.Received(window), IsEmpty());
    EXPECT_TRUE(system.HasRememberedWindow());
}

TEST_F(SystemFunctionsTest, ShellTargets) {
    ActionRecord run = ActionRecord::WithCode(ActionCode::RunProgram);
    run.setPath(u"C:\\Users\\Me\\Documents\\Plan \u00e9t\u00e9.docx");
    executor.ExecuteAction(run);
    Perform(ActionCode::OpenWord);
    Perform(ActionCode::OpenExcel);
    Perform(ActionCode::OpenPowerPoint);
    EXPECT_THAT(Lines(),
                ElementsAre("shell open C:\\Users\\Me\\Documents\\Plan \xc3\xa9t\xc3\xa9.docx",
                            "shell open Winword", "shell open excel", "shell open POWERPNT"));
    for (const auto& call : desk.journal.Calls()) {
        const auto& shell = std::get<sim::ShellCall>(call);
        EXPECT_EQ(shell.operation, u"open");
        EXPECT_EQ(shell.owner, 0u);
        EXPECT_EQ(shell.parameters, u"");
        EXPECT_EQ(shell.directory, u"");
        EXPECT_EQ(shell.showCommand, 1);
    }
}

TEST_F(SystemFunctionsTest, LongestPathIsOpenedWhole) {
    ActionRecord run = ActionRecord::WithCode(ActionCode::RunProgram);
    const std::u16string path(259, u'x');
    run.setPath(path);
    executor.ExecuteAction(run);
    ASSERT_EQ(desk.journal.Calls().size(), 1u);
    EXPECT_EQ(std::get<sim::ShellCall>(desk.journal.Calls()[0]).file, path);
}

TEST_F(SystemFunctionsTest, SocialCodesThroughTheExecutor) {
    const WindowHandle foreground = TopLevel(u"Browser");
    desk.windows.SetForeground(foreground);
    social.UsePlugin(desk.modules.AddModule({"OpenZoomOutWindow", "OpenZoomInWindow",
                                             "OpenSearchFriend", "OpenAllFriend", "OpenAllMessage",
                                             "OpenAllNotify", "OpenFriendAlign"}));
    for (int code = 128; code <= 137; ++code) {
        Perform(static_cast<ActionCode>(code));
    }
    Perform(ActionCode::SocialMessagesAgain);
    EXPECT_THAT(Lines(), ElementsAre("shell open http://www.facebook.com/",
                                     "shell open http://www.facebook.com/?sk=messages",
                                     "shell open http://www.facebook.com/notes/",
                                     "shell open http://www.facebook.com/?sk=messages"));
    std::vector<std::string> called;
    for (const auto& call : desk.modules.EntryCalls()) {
        EXPECT_EQ(call.window, foreground);
        called.push_back(call.entry);
    }
    EXPECT_THAT(called,
                ElementsAre("OpenZoomOutWindow", "OpenZoomInWindow", "OpenSearchFriend",
                            "OpenAllFriend", "OpenAllMessage", "OpenAllNotify", "OpenFriendAlign"));
}

TEST_F(SystemFunctionsTest, ScrollCodesThroughTheExecutorScrollThreeLines) {
    const WindowHandle window = TopLevel(u"Edit", kScreen, kWsVisible | kWsHScroll);
    PutCursor(10, 10);
    Perform(ActionCode::ScrollLeft);
    Perform(ActionCode::ScrollRight);
    const auto received = desk.windows.Received(window);
    ASSERT_EQ(received.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(received[i], (WindowMessage{0x0114, i < 3 ? 0u : 1u, 0}));
    }
}

}  // namespace
}  // namespace q5

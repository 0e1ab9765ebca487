#include "platform/sim/SimWindows.h"

#include <gmock/gmock.h>

#include "platform/sim/SimPlatform.h"

namespace q5::sim {
namespace {

using ::testing::ElementsAre;

constexpr Rect kScreen{0, 0, 1000, 800};

class SimWindowsTest : public ::testing::Test {
protected:
    SimPlatform desk;
    SimWindows& windows = desk.windows;
};

TEST_F(SimWindowsTest, WindowUnderAPointIsTheDeepestTopmostOne) {
    const WindowHandle back = windows.AddWindow({}, u"Back", kScreen);
    const WindowHandle front = windows.AddWindow({}, u"Front", {100, 100, 300, 300});
    const WindowHandle child = windows.AddWindow(back, u"Child", {0, 0, 500, 500});
    const WindowHandle grandchild = windows.AddWindow(child, u"Grand", {10, 10, 50, 50});
    EXPECT_EQ(windows.WindowFromPoint({20, 20}), grandchild);
    EXPECT_EQ(windows.WindowFromPoint({60, 60}), child);
    // The earlier top-level window is on top.
    EXPECT_EQ(windows.WindowFromPoint({150, 150}), child);
    EXPECT_EQ(windows.WindowFromPoint({700, 700}), back);
    EXPECT_EQ(windows.WindowFromPoint({1000, 10}), SimWindows::kDesktop);
    windows.RemoveWindow(back);
    EXPECT_EQ(windows.WindowFromPoint({150, 150}), front);
    EXPECT_EQ(windows.Find(grandchild), nullptr);
}

TEST_F(SimWindowsTest, ChildWindowFromPointTakesClientCoordinates) {
    const WindowHandle parent = windows.AddWindow({}, u"Parent", {100, 100, 500, 500});
    const WindowHandle child = windows.AddWindow(parent, u"Child", {150, 150, 200, 200});
    windows.AddWindow(child, u"Grand", {150, 150, 200, 200});
    Point point{160, 160};
    ASSERT_TRUE(windows.ScreenToClient(parent, point));
    EXPECT_EQ(point, (Point{60, 60}));
    EXPECT_EQ(windows.ChildWindowFromPoint(parent, point), child);
    EXPECT_EQ(windows.ChildWindowFromPoint(parent, {0, 0}), parent);
    EXPECT_EQ(windows.ChildWindowFromPoint(parent, {-1, 0}), WindowHandle{});
    EXPECT_EQ(windows.ChildWindowFromPoint({0x999}, {0, 0}), WindowHandle{});
}

TEST_F(SimWindowsTest, RelationsFollowTheZOrder) {
    const WindowHandle parent = windows.AddWindow({}, u"Parent", kScreen);
    const WindowHandle a = windows.AddWindow(parent, u"A", kScreen);
    const WindowHandle b = windows.AddWindow(parent, u"B", kScreen, kWsVisible, u"Title");
    const WindowHandle c = windows.AddWindow(parent, u"A", kScreen);
    EXPECT_EQ(windows.GetWindow(parent, kGwChild), a);
    EXPECT_EQ(windows.GetWindow(a, kGwHwndNext), b);
    EXPECT_EQ(windows.GetWindow(c, kGwHwndNext), WindowHandle{});
    EXPECT_EQ(windows.GetWindow(c, kGwHwndPrev), b);
    EXPECT_EQ(windows.GetWindow(a, kGwHwndPrev), WindowHandle{});
    EXPECT_EQ(windows.GetWindow(a, kGwChild), WindowHandle{});
    EXPECT_EQ(windows.GetParent(a), parent);
    EXPECT_EQ(windows.GetParent(parent), WindowHandle{});
    EXPECT_EQ(windows.FindWindowExW(parent, {}, nullptr, nullptr), a);
    EXPECT_EQ(windows.FindWindowExW(parent, a, nullptr, nullptr), b);
    EXPECT_EQ(windows.FindWindowExW(parent, a, u"A", nullptr), c);
    EXPECT_EQ(windows.FindWindowExW(parent, {}, nullptr, u"Title"), b);
    EXPECT_EQ(windows.FindWindowW(u"Parent", nullptr), parent);
    EXPECT_EQ(windows.FindWindowW(u"A", nullptr), WindowHandle{});  // top-level only
    EXPECT_EQ(windows.FindWindowW(u"parent", nullptr), WindowHandle{});
}

TEST_F(SimWindowsTest, EnumerationIsPreorderAndStops) {
    const WindowHandle root = windows.AddWindow({}, u"Root", kScreen);
    const WindowHandle a = windows.AddWindow(root, u"A", kScreen);
    const WindowHandle a1 = windows.AddWindow(a, u"A1", kScreen);
    const WindowHandle b = windows.AddWindow(root, u"B", kScreen);
    std::vector<WindowHandle> seen;
    EXPECT_TRUE(windows.EnumChildWindows(root, [&](WindowHandle w) {
        seen.push_back(w);
        return true;
    }));
    EXPECT_THAT(seen, ElementsAre(a, a1, b));
    seen.clear();
    windows.EnumChildWindows(root, [&](WindowHandle w) {
        seen.push_back(w);
        return w != a1;
    });
    EXPECT_THAT(seen, ElementsAre(a, a1));
    seen.clear();
    windows.EnumChildWindows({}, [&](WindowHandle w) {
        seen.push_back(w);
        return true;
    });
    EXPECT_THAT(seen, ElementsAre(root));
}

TEST_F(SimWindowsTest, ClassNamesAreCutToTheBuffer) {
    const WindowHandle window = windows.AddWindow({}, std::u16string(300, u'c'), kScreen);
    EXPECT_EQ(windows.GetClassNameW(window).size(), 259u);
    EXPECT_EQ(windows.GetClassNameW({}), u"");
    EXPECT_EQ(windows.GetClassNameW(windows.GetDesktopWindow()), u"#32769");
}

TEST_F(SimWindowsTest, MessagesAreRecordedAndReceived) {
    const WindowHandle window = windows.AddWindow({}, u"W", kScreen);
    windows.Find(window)->reply = 7;
    desk.messages.PostMessageW(window, 0x100, 0x41, 0x1E0001);
    EXPECT_EQ(desk.messages.SendMessageW(window, 0x114, 1, 0), 7);
    std::uintptr_t result = 0;
    EXPECT_TRUE(desk.messages.SendMessageTimeoutW(window, 0x112, 0xF020, 0, kSmtoAbortIfHung, 1000,
                                                  result));
    EXPECT_EQ(result, 7u);
    EXPECT_FALSE(desk.messages.PostMessageW({0x5}, 0x100, 0, 0));
    windows.Find(window)->hung = true;
    result = 3;
    EXPECT_FALSE(
        desk.messages.SendMessageTimeoutW(window, 0x112, 0, 0, kSmtoAbortIfHung, 1000, result));
    EXPECT_EQ(result, 3u);
    EXPECT_THAT(windows.Received(window),
                ElementsAre(WindowMessage{0x100, 0x41, 0x1E0001}, WindowMessage{0x114, 1, 0},
                            WindowMessage{0x112, 0xF020, 0}));
    const auto lines = desk.journal.Lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "post 0x20010 0x100 0x41 0x1e0001");
    EXPECT_EQ(lines[1], "send 0x20010 0x114 0x1 0x0");
    EXPECT_EQ(lines[2], "send 0x20010 0x112 0xf020 0x0");
    EXPECT_EQ(lines[3], "post 0x5 0x100 0x0 0x0");
}

TEST_F(SimWindowsTest, RegisteredMessagesAreNumberedByName) {
    const auto first = desk.messages.RegisterWindowMessageW(u"WM_HTML_GETOBJECT");
    const auto second = desk.messages.RegisterWindowMessageW(u"TaskbarCreated");
    EXPECT_EQ(first, 0xC000u);
    EXPECT_EQ(second, 0xC001u);
    EXPECT_EQ(desk.messages.RegisterWindowMessageW(u"WM_HTML_GETOBJECT"), first);
    EXPECT_EQ(desk.messages.RegisterWindowMessageW(u""), 0u);
}

TEST(CallJournalLinesTest, NewCallsFormatAsTheDryRunPrintsThem) {
    CallJournal journal;
    journal.Record(PostCall{0x20010, 0x100, 0x25, static_cast<std::intptr_t>(0xC14B0001)});
    journal.Record(SendCall{0x20010, 0x114, 1, 0, true, 2, 1000});
    journal.Record(CursorCall{-5, 1200});
    journal.Record(ShellCall{u"open", u"http://www.facebook.com/?sk=events&ap=1", {}, {}, 0, 1});
    journal.Record(LockCall{});
    journal.Record(DebugCall{u"No scroll bar found\n"});
    journal.Record(DebugCall{u"tab\there\x01\u00e9"});
    journal.Record(RedirectionCall{true, 0});
    journal.Record(RedirectionCall{false, 1});
    journal.Record(ScriptScrollCall{0x20010, -10, 0});
    EXPECT_THAT(journal.Lines(),
                ElementsAre("post 0x20010 0x100 0x25 0xc14b0001", "send 0x20010 0x114 0x1 0x0",
                            "cursor -5 1200", "shell open http://www.facebook.com/?sk=events&ap=1",
                            "lock", "debug No scroll bar found\\n", "debug tab\\there\\x01\xc3\xa9",
                            "wow64 redirection off", "wow64 redirection revert",
                            "script scrollBy 0x20010 -10 0"));
}

TEST(CallJournalLinesTest, AJournalNotKeepingStoresNothingUntilItKeepsAgain) {
    CallJournal journal;
    journal.Record(LockCall{});
    journal.SetKeeping(false);
    journal.Record(CursorCall{1, 2});
    journal.Note("dropped");
    EXPECT_THAT(journal.AllLines(), ElementsAre("lock"));
    journal.SetKeeping(true);
    journal.Note("kept");
    journal.Record(CursorCall{3, 4});
    EXPECT_THAT(journal.AllLines(), ElementsAre("lock", "# kept", "cursor 3 4"));
}

TEST(SimProcessesTest, SnapshotsCopyTheListWhenTaken) {
    SimProcesses processes;
    processes.AddProcess(u"a.exe");
    const ProcessSnapshot snapshot = processes.CreateProcessSnapshot();
    processes.AddProcess(u"b.exe");
    std::u16string name;
    ASSERT_TRUE(processes.Process32FirstW(snapshot, name));
    EXPECT_EQ(name, u"a.exe");
    EXPECT_FALSE(processes.Process32NextW(snapshot, name));
    EXPECT_EQ(processes.OpenSnapshots(), 1u);
    processes.CloseSnapshot(snapshot);
    EXPECT_EQ(processes.OpenSnapshots(), 0u);
    EXPECT_FALSE(processes.Process32FirstW(snapshot, name));
}

}  // namespace
}  // namespace q5::sim

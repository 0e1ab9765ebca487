// The actions on real windows: the test creates windows of the classes the
// horizontal scroll treats specially, puts the real cursor over them and
// checks the messages their window procedures receive.
#include <windows.h>

#include <gmock/gmock.h>

#include <map>
#include <string>
#include <vector>

#include "actions/MediaPlayers.h"
#include "actions/SystemFunctions.h"
#include "actions/WindowScroller.h"
#include "platform/win/WinPlatform.h"

namespace q5 {
namespace {

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Messages of interest that each test window received, by window.
std::map<HWND, std::vector<Received>>& Log() {
    static std::map<HWND, std::vector<Received>> log;
    return log;
}

UINT HtmlGetObject() {
    static const UINT message = ::RegisterWindowMessageW(L"WM_HTML_GETOBJECT");
    return message;
}

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_HSCROLL:
        case WM_KEYDOWN:
        case WM_KEYUP:
            Log()[window].push_back({message, wParam, lParam});
            return 0;
        case WM_SYSCOMMAND:
            Log()[window].push_back({message, wParam, lParam});
            break;
        default:
            if (message == HtmlGetObject()) {
                Log()[window].push_back({message, wParam, lParam});
                return 0;
            }
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void RegisterClassOnce(const wchar_t* name) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = RecordingProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    ::RegisterClassW(&windowClass);
}

// Handles every message waiting for this thread, for a while, so that
// posted messages and injected input reach the window procedures.
void Pump(DWORD milliseconds = 300) {
    const DWORD start = ::GetTickCount();
    do {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        ::Sleep(10);
    } while (::GetTickCount() - start < milliseconds);
}

std::vector<Received> Messages(HWND window, UINT message) {
    std::vector<Received> matching;
    for (const auto& received : Log()[window]) {
        if (received.message == message) {
            matching.push_back(received);
        }
    }
    return matching;
}

int CountRequests(HWND window, WORD request) {
    int count = 0;
    for (const auto& received : Messages(window, WM_HSCROLL)) {
        count += LOWORD(received.wParam) == request ? 1 : 0;
    }
    return count;
}

WindowHandle Portable(HWND window) {
    return WindowHandle{reinterpret_cast<std::uintptr_t>(window)};
}

class RealWindowsTest : public ::testing::Test {
protected:
    static constexpr RECT kArea{100, 100, 700, 500};

    void SetUp() override { Log().clear(); }

    void TearDown() override {
        for (HWND window : windows_) {
            ::DestroyWindow(window);
        }
        Pump(50);
    }

    HWND TopLevel(const wchar_t* className, DWORD style) {
        RegisterClassOnce(className);
        HWND window =
            ::CreateWindowExW(WS_EX_TOPMOST, className, L"q5 test", style, kArea.left, kArea.top,
                              kArea.right - kArea.left, kArea.bottom - kArea.top, nullptr, nullptr,
                              ::GetModuleHandleW(nullptr), nullptr);
        windows_.push_back(window);
        ::ShowWindow(window, SW_SHOW);
        ::UpdateWindow(window);
        ::SetForegroundWindow(window);
        Pump(200);
        return window;
    }

    // Puts the cursor over the window, at this point of its client area.
    void PutCursor(HWND window, int x, int y) {
        POINT point{x, y};
        ::ClientToScreen(window, &point);
        ::SetCursorPos(point.x, point.y);
        Pump(50);
    }

    win::WinPlatform real;
    WindowScroller scroller{real.platform()};
    std::vector<HWND> windows_;
};

TEST_F(RealWindowsTest, ExcelScrollBarArrowsAreClicked) {
    const HWND sheet = TopLevel(L"EXCEL7", WS_POPUP | WS_VISIBLE);
    RECT client;
    ::GetClientRect(sheet, &client);
    const HWND bar = ::CreateWindowExW(0, L"SCROLLBAR", nullptr, WS_CHILD | WS_VISIBLE | SBS_HORZ,
                                       0, client.bottom - 20, client.right, 20, sheet, nullptr,
                                       ::GetModuleHandleW(nullptr), nullptr);
    ::SetScrollRange(bar, SB_CTL, 0, 100, FALSE);
    ::SetScrollPos(bar, SB_CTL, 50, TRUE);
    Pump(100);
    PutCursor(sheet, 200, 100);
    POINT before;
    ::GetCursorPos(&before);
    ASSERT_EQ(::WindowFromPoint(before), sheet);

    scroller.ScrollHorizontally(3);
    Pump();
    POINT after;
    ::GetCursorPos(&after);
    EXPECT_EQ(after.x, before.x);
    EXPECT_EQ(after.y, before.y);
    EXPECT_EQ(CountRequests(sheet, SB_LINELEFT), 3);
    EXPECT_EQ(CountRequests(sheet, SB_LINERIGHT), 0);
    for (const auto& received : Messages(sheet, WM_HSCROLL)) {
        EXPECT_EQ(reinterpret_cast<HWND>(received.lParam), bar);
    }

    Log().clear();
    scroller.ScrollHorizontally(-3);
    Pump();
    EXPECT_EQ(CountRequests(sheet, SB_LINERIGHT), 3);
    EXPECT_EQ(CountRequests(sheet, SB_LINELEFT), 0);
}

TEST_F(RealWindowsTest, FirefoxGetsArrowKeysPosted) {
    const HWND browser = TopLevel(L"MozillaWindowClass", WS_POPUP | WS_VISIBLE);
    PutCursor(browser, 300, 200);

    scroller.ScrollHorizontally(3);
    scroller.ScrollHorizontally(-1);
    Pump();

    const auto& log = Log()[browser];
    ASSERT_EQ(log.size(), 8u);
    for (std::size_t i = 0; i < 6; i += 2) {
        EXPECT_EQ(log[i].message, static_cast<UINT>(WM_KEYDOWN));
        EXPECT_EQ(log[i].wParam, static_cast<WPARAM>(VK_LEFT));
        EXPECT_EQ(log[i].lParam, 0x014B0001);
        EXPECT_EQ(log[i + 1].message, static_cast<UINT>(WM_KEYUP));
        EXPECT_EQ(log[i + 1].wParam, static_cast<WPARAM>(VK_LEFT));
        EXPECT_EQ(static_cast<std::uint32_t>(log[i + 1].lParam), 0xC14B0001u);
    }
    EXPECT_EQ(log[6].wParam, static_cast<WPARAM>(VK_RIGHT));
    EXPECT_EQ(log[6].lParam, 0x014D0001);
    EXPECT_EQ(static_cast<std::uint32_t>(log[7].lParam), 0xC14D0001u);
}

TEST_F(RealWindowsTest, PlainWindowWithHorizontalScrollBarGetsScrollMessages) {
    const HWND plain = TopLevel(L"Q5PlainScrolling", WS_POPUP | WS_VISIBLE | WS_HSCROLL);
    PutCursor(plain, 300, 200);

    scroller.ScrollHorizontally(3);
    Pump();
    scroller.ScrollHorizontally(-3);  // sent: handled before the call returns

    const auto messages = Messages(plain, WM_HSCROLL);
    ASSERT_EQ(messages.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(messages[i].wParam, static_cast<WPARAM>(i < 3 ? SB_LINELEFT : SB_LINERIGHT));
        EXPECT_EQ(messages[i].lParam, 0);
    }
}

TEST_F(RealWindowsTest, DocumentWindowIsAskedForItsDocument) {
    const HWND document = TopLevel(L"Internet Explorer_Server", WS_POPUP | WS_VISIBLE | WS_HSCROLL);
    PutCursor(document, 300, 200);

    scroller.ScrollHorizontally(3);
    Pump();

    // The window answers 0: no document, so nothing is scrolled.
    EXPECT_EQ(Messages(document, HtmlGetObject()).size(), 3u);
    EXPECT_TRUE(Messages(document, WM_HSCROLL).empty());
    EXPECT_EQ(real.documents.ScrollBy(Portable(document), -10, 0),
              DocumentScrollResult::kNoDocument);
}

TEST_F(RealWindowsTest, MinimiseAndRestoreTheForegroundWindow) {
    const HWND window = TopLevel(L"Q5Minimisable", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SystemFunctions system(real.platform());
    ASSERT_EQ(::GetForegroundWindow(), window);

    system.MinimiseForegroundWindow();
    EXPECT_EQ(system.RememberedWindow(), Portable(window));
    system.RestoreRememberedWindow();
    EXPECT_FALSE(system.HasRememberedWindow());

    const auto commands = Messages(window, WM_SYSCOMMAND);
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].wParam, static_cast<WPARAM>(SC_MINIMIZE));
    EXPECT_EQ(commands[1].wParam, static_cast<WPARAM>(SC_RESTORE));
}

TEST_F(RealWindowsTest, WindowSystemReadsTheRealTree) {
    const HWND parent = TopLevel(L"Q5Parent", WS_POPUP | WS_VISIBLE);
    const HWND bar =
        ::CreateWindowExW(0, L"ScrollBar", nullptr, WS_CHILD | WS_VISIBLE | SBS_VERT, 0, 0, 20, 200,
                          parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    WindowSystem& windows = real.windows;
    EXPECT_EQ(windows.GetClassNameW(Portable(parent)), u"Q5Parent");
    EXPECT_EQ(windows.GetClassNameW(Portable(bar)), u"ScrollBar");
    EXPECT_EQ(windows.GetParent(Portable(bar)), Portable(parent));
    EXPECT_EQ(windows.GetWindow(Portable(parent), kGwChild), Portable(bar));
    EXPECT_EQ(windows.FindWindowW(u"Q5Parent", nullptr), Portable(parent));
    EXPECT_EQ(windows.FindWindowExW(Portable(parent), {}, nullptr, nullptr), Portable(bar));
    EXPECT_EQ(
        static_cast<std::uint32_t>(windows.GetWindowLongW(Portable(bar), kGwlStyle)) & kSbsVert,
        kSbsVert);
    Rect rect;
    ASSERT_TRUE(windows.GetWindowRect(Portable(parent), rect));
    EXPECT_EQ(rect, (Rect{kArea.left, kArea.top, kArea.right, kArea.bottom}));
    std::vector<WindowHandle> children;
    windows.EnumChildWindows(Portable(parent), [&](WindowHandle child) {
        children.push_back(child);
        return true;
    });
    EXPECT_THAT(children, ::testing::ElementsAre(Portable(bar)));
}

TEST(RealProcessesTest, DetectsTheTestsOwnExecutable) {
    wchar_t path[MAX_PATH]{};
    ASSERT_GT(::GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    std::u16string own(reinterpret_cast<const char16_t*>(path));
    own = own.substr(own.find_last_of(u"\\/") + 1);
    std::u16string upper = own;
    for (auto& c : upper) {
        c = (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
    }
    win::WinProcesses processes;
    const std::u16string_view names[] = {u"q5-no-such-player.exe", upper, own};
    EXPECT_EQ(MatchRunningProcesses(processes, names), 2u);
    const std::u16string_view absent[] = {u"q5-no-such-player.exe"};
    EXPECT_EQ(MatchRunningProcesses(processes, absent), 0u);

    // None of the real players runs here: the media keys are used.
    win::WinPlatform real;
    EXPECT_EQ(MediaPlayers(real.platform()).DetectPlayers(), 0u);
}

TEST(RealShellTest, MissingTargetFailsQuietly) {
    win::WinShell shell;
    const std::intptr_t result = shell.ShellExecuteW(
        {}, u"open", u"C:\\q5-no-such-folder\\no-such-document.q5none", {}, {}, kSwShowNormal);
    EXPECT_LE(result, 32);
}

TEST(RealWorkstationTest, A64BitProgramIsNotUnderWow64) {
    win::WinWorkstation workstation;
    bool underWow64 = true;
    EXPECT_EQ(workstation.IsWow64Process(underWow64), EntryResult::kSucceeded);
    EXPECT_FALSE(underWow64);
}

}  // namespace
}  // namespace q5

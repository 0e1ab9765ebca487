#include "editors/win/HookLibrary.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "editors/KeyReport.h"
#include "ui/win/WinUiTestSupport.h"

namespace q5::win {
namespace {

constexpr UINT kSentinel = WM_APP + 7;
constexpr wchar_t kBinDir[] = L"" Q5_BIN_DIR;

struct Report {
    WPARAM key;
    LPARAM flags;
    bool operator==(const Report&) const = default;
};

std::vector<Report> g_reports;
bool g_sentinelSeen = false;

LRESULT CALLBACK ReceiverProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kKeyReportMessage) {
        g_reports.push_back({wParam, lParam});
        return 0;
    }
    if (msg == kSentinel) {
        g_sentinelSeen = true;
        return 0;
    }
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

// A visible top-level window that records the reports it receives; one for
// all tests (a window costs Wine a couple of seconds).
class Receiver {
public:
    Receiver() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &ReceiverProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"Q5HookReceiver";
        ::RegisterClassW(&wc);
        m_hwnd = ::CreateWindowExW(0, wc.lpszClassName, L"hook receiver",
                                   WS_POPUP | WS_VISIBLE | WS_BORDER, 100, 100, 200, 150, nullptr,
                                   nullptr, wc.hInstance, nullptr);
        ::SetForegroundWindow(m_hwnd);
    }
    ~Receiver() { ::DestroyWindow(m_hwnd); }
    HWND hwnd() const { return m_hwnd; }

    // Pumps until `count` reports arrived or two seconds passed.
    const std::vector<Report>& WaitFor(std::size_t count) const {
        const DWORD start = ::GetTickCount();
        while (g_reports.size() < count && ::GetTickCount() - start < 2000) {
            Pump();
            ::Sleep(5);
        }
        return g_reports;
    }
    // Pumps a while, then until a message posted last has arrived, so every
    // report the hook made meanwhile has been seen.
    const std::vector<Report>& Drain() const {
        const DWORD start = ::GetTickCount();
        while (::GetTickCount() - start < 300) {
            Pump();
            ::Sleep(5);
        }
        g_sentinelSeen = false;
        ::PostMessageW(m_hwnd, kSentinel, 0, 0);
        while (!g_sentinelSeen) {
            Pump();
        }
        return g_reports;
    }

private:
    static void Pump() {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&msg);
        }
    }
    HWND m_hwnd = nullptr;
};

INPUT Key(WORD vk, DWORD flags, ULONG_PTR extra = 0) {
    return test::KeyInput(vk, flags, extra);
}

INPUT Mouse(DWORD flags, ULONG_PTR extra = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dwExtraInfo = extra;
    return input;
}

void Send(std::vector<INPUT> inputs) {
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

Receiver& SharedReceiver() {
    static Receiver receiver;
    return receiver;
}

HWND PlainWindow(const wchar_t* title, DWORD style, int x, int y, HWND parentOrOwner) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"Q5HookPlain";
    ::RegisterClassW(&wc);
    return ::CreateWindowExW(0, wc.lpszClassName, title, style | WS_VISIBLE, x, y, 60, 40,
                             parentOrOwner, nullptr, wc.hInstance, nullptr);
}

// Around the receiver (100, 100, 300, 250): a child of it, a pop-up it
// owns, and a window of nobody's at (400, 100).
struct Neighbours {
    Neighbours()
        : child(PlainWindow(L"child", WS_CHILD | WS_BORDER, 10, 10, SharedReceiver().hwnd())),
          owned(PlainWindow(L"owned", WS_POPUP | WS_BORDER, 320, 100, SharedReceiver().hwnd())),
          other(PlainWindow(L"other", WS_POPUP | WS_BORDER, 400, 100, nullptr)) {}
    HWND child;
    HWND owned;
    HWND other;
};

Neighbours& SharedNeighbours() {
    static Neighbours neighbours;
    return neighbours;
}

POINT CentreOf(HWND hwnd) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void PointAt(HWND hwnd) {
    const POINT p = CentreOf(hwnd);
    ::SetCursorPos(p.x, p.y);
}

class HookLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        receiver.Drain();
        g_reports.clear();
        ASSERT_TRUE(library.Load(kBinDir));
        library.Install(receiver.hwnd());
        library.SetStatus(1);
    }
    Receiver& receiver = SharedReceiver();
    HookLibrary library;
};

TEST_F(HookLibraryTest, ReportsPressRepeatAndRelease) {
    Send({Key('A', 0), Key('A', 0), Key('A', KEYEVENTF_KEYUP)});
    const auto& reports = receiver.WaitFor(3);
    ASSERT_EQ(3u, reports.size());
    for (const auto& r : reports) {
        EXPECT_EQ(WPARAM{'A'}, r.key);
    }
    EXPECT_EQ(0, reports[0].flags & kKeyReportReleased);
    // The repeated press carries the same flags, so it reads as auto-repeat.
    EXPECT_EQ(reports[0], reports[1]);
    EXPECT_EQ(reports[0].flags | static_cast<LPARAM>(kKeyReportReleased), reports[2].flags);
}

TEST_F(HookLibraryTest, ReportsKeysInTheOrderPressed) {
    Send({Key(VK_LCONTROL, 0), Key('Q', 0), Key('Q', KEYEVENTF_KEYUP),
          Key(VK_LCONTROL, KEYEVENTF_KEYUP)});
    const auto& reports = receiver.WaitFor(4);
    ASSERT_EQ(4u, reports.size());
    const std::vector<WPARAM> keys{reports[0].key, reports[1].key, reports[2].key, reports[3].key};
    EXPECT_EQ((std::vector<WPARAM>{VK_LCONTROL, 'Q', 'Q', VK_LCONTROL}), keys);
    EXPECT_EQ(0, reports[0].flags & 0x80);
    EXPECT_EQ(0, reports[1].flags & 0x80);
    EXPECT_EQ(0x80, reports[2].flags & 0x80);
    EXPECT_EQ(0x80, reports[3].flags & 0x80);
}

TEST_F(HookLibraryTest, ReportsMouseButtonsAsTheirKeyCodes) {
    PointAt(SharedNeighbours().other);
    ASSERT_EQ(::WindowFromPoint(CentreOf(SharedNeighbours().other)), SharedNeighbours().other);
    Send({Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP), Mouse(MOUSEEVENTF_RIGHTDOWN),
          Mouse(MOUSEEVENTF_RIGHTUP), Mouse(MOUSEEVENTF_MIDDLEDOWN), Mouse(MOUSEEVENTF_MIDDLEUP),
          Mouse(MOUSEEVENTF_MOVE)});
    const auto& reports = receiver.Drain();
    EXPECT_EQ((std::vector<Report>{
                  {0xC1, 0}, {0xC1, 0x80}, {0xC2, 0}, {0xC2, 0x80}, {0xC3, 0}, {0xC3, 0x80}}),
              reports);
}

TEST_F(HookLibraryTest, ButtonsOverTheReceiversWindowsAreNotReported) {
    const Neighbours& around = SharedNeighbours();
    for (HWND over : {receiver.hwnd(), around.child, around.owned}) {
        const POINT p = CentreOf(over);
        ASSERT_EQ(::WindowFromPoint(p), over);
        ::SetCursorPos(p.x, p.y);
        Send({Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP), Mouse(MOUSEEVENTF_RIGHTDOWN),
              Mouse(MOUSEEVENTF_RIGHTUP), Mouse(MOUSEEVENTF_MIDDLEDOWN),
              Mouse(MOUSEEVENTF_MIDDLEUP)});
        EXPECT_TRUE(receiver.Drain().empty()) << "over " << over;
    }
    // Keys are still reported while the pointer rests there.
    Send({Key('J', 0), Key('J', KEYEVENTF_KEYUP)});
    EXPECT_EQ(2u, receiver.WaitFor(2).size());
}

TEST_F(HookLibraryTest, AButtonKeepsWhereItWentDown) {
    const Neighbours& around = SharedNeighbours();
    // Down over the receiver, up elsewhere: neither is reported.
    PointAt(receiver.hwnd());
    Send({Mouse(MOUSEEVENTF_LEFTDOWN)});
    receiver.Drain();
    PointAt(around.other);
    Send({Mouse(MOUSEEVENTF_LEFTUP)});
    EXPECT_TRUE(receiver.Drain().empty());
    // Down elsewhere, up over the receiver: both are.
    Send({Mouse(MOUSEEVENTF_RIGHTDOWN)});
    receiver.Drain();
    PointAt(receiver.hwnd());
    Send({Mouse(MOUSEEVENTF_RIGHTUP)});
    EXPECT_EQ(receiver.Drain(), (std::vector<Report>{{0xC2, 0}, {0xC2, 0x80}}));
    // The next click elsewhere is reported whole.
    PointAt(around.other);
    Send({Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)});
    EXPECT_EQ(receiver.Drain(),
              (std::vector<Report>{{0xC2, 0}, {0xC2, 0x80}, {0xC1, 0}, {0xC1, 0x80}}));
}

TEST_F(HookLibraryTest, IgnoresTheProgramsOwnTaggedInput) {
    Send({Key('B', 0, kSynthesisedInputTag), Key('B', KEYEVENTF_KEYUP, kSynthesisedInputTag),
          Mouse(MOUSEEVENTF_MIDDLEDOWN, kSynthesisedInputTag),
          Mouse(MOUSEEVENTF_MIDDLEUP, kSynthesisedInputTag), Key('C', 0),
          Key('C', KEYEVENTF_KEYUP)});
    const auto& reports = receiver.Drain();
    ASSERT_EQ(2u, reports.size());
    EXPECT_EQ(WPARAM{'C'}, reports[0].key);
    EXPECT_EQ(WPARAM{'C'}, reports[1].key);
}

TEST_F(HookLibraryTest, StatusZeroSilencesAndOneResumes) {
    library.SetStatus(0);
    Send({Key('D', 0), Key('D', KEYEVENTF_KEYUP)});
    EXPECT_TRUE(receiver.Drain().empty());
    library.SetStatus(1);
    Send({Key('E', 0), Key('E', KEYEVENTF_KEYUP)});
    const auto& reports = receiver.WaitFor(2);
    ASSERT_EQ(2u, reports.size());
    EXPECT_EQ(WPARAM{'E'}, reports[0].key);
}

TEST_F(HookLibraryTest, RemoveStopsTheReports) {
    library.Remove();
    Send({Key('F', 0), Key('F', KEYEVENTF_KEYUP), Mouse(MOUSEEVENTF_MIDDLEDOWN),
          Mouse(MOUSEEVENTF_MIDDLEUP)});
    EXPECT_TRUE(receiver.Drain().empty());
}

TEST_F(HookLibraryTest, InstallAgainAfterRemove) {
    library.Remove();
    library.Install(receiver.hwnd());
    library.SetStatus(1);
    Send({Key('G', 0), Key('G', KEYEVENTF_KEYUP)});
    EXPECT_EQ(2u, receiver.WaitFor(2).size());
}

TEST_F(HookLibraryTest, FreeingTheLibraryRemovesTheHook) {
    {
        HookLibrary second;
        ASSERT_TRUE(second.Load(kBinDir));
        second.Install(receiver.hwnd());
        second.SetStatus(1);
    }  // the destructor removes the hook; the fixture's copy shares the library
    Send({Key('H', 0), Key('H', KEYEVENTF_KEYUP)});
    EXPECT_TRUE(receiver.Drain().empty());
}

TEST(HookLibraryLoading, RefusesRelativeAndMissingFolders) {
    HookLibrary library;
    EXPECT_FALSE(library.Load(L"bin"));
    EXPECT_FALSE(library.Load(L""));
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_FALSE(library.Load(L"C:\\no such folder"));
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_TRUE(library.Load(std::wstring(kBinDir) + L"/"));
    EXPECT_TRUE(library.IsLoaded());
}

TEST(HookLibraryLoading, MissingEntryPointsAreNotCalled) {
    // A library of that name without any of the three entry points.
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"q5-hook-missing";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    wchar_t system[MAX_PATH];
    ::GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring copy = folder + L"\\KBGetKey.dll";
    ASSERT_TRUE(
        ::CopyFileW((std::wstring(system) + L"\\version.dll").c_str(), copy.c_str(), FALSE));
    {
        HookLibrary library;
        ASSERT_TRUE(library.Load(folder));
        library.Install(::GetDesktopWindow());
        library.SetStatus(1);
        library.Remove();
    }
    ::DeleteFileW(copy.c_str());
    ::RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace q5::win

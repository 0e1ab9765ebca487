#include <gtest/gtest.h>

#include <vector>

#include "WinUiTestSupport.h"
#include "ui/ResourceIds.h"
#include "ui/win/CButton.h"
#include "ui/win/CDialog.h"
#include "ui/win/CEdit.h"
#include "ui/win/CStatic.h"
#include "ui/win/CWinApp.h"

namespace q5::win {
namespace {

class RecordingHost : public CWnd {
public:
    std::vector<UINT> timers;
    int commands = 0;

protected:
    BOOL OnCommand(WPARAM, LPARAM) override {
        ++commands;
        return TRUE;
    }
    void OnTimer(UINT_PTR id) override { timers.push_back(static_cast<UINT>(id)); }
};

class ColouredStatic : public CStatic {
public:
    HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    ~ColouredStatic() override { ::DeleteObject(brush); }

protected:
    BOOL OnChildNotify(UINT msg, WPARAM, LPARAM, LRESULT* result) override {
        if (msg != WM_CTLCOLORSTATIC) {
            return FALSE;
        }
        *result = reinterpret_cast<LRESULT>(brush);
        return TRUE;
    }
};

class SelfHandlingButton : public CButton {
public:
    int clicks = 0;
    std::vector<UINT> preTranslated;

    BOOL PreTranslateMessage(MSG* msg) override {
        preTranslated.push_back(msg->message);
        return FALSE;
    }

protected:
    BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM, LRESULT*) override {
        if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
            ++clicks;
            return TRUE;
        }
        return FALSE;
    }
};

class Framework : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.CreateEx(0, nullptr, L"framework host", WS_POPUP | WS_VISIBLE,
                                  RECT{10, 10, 210, 110}, nullptr, 0));
    }
    RecordingHost host;
};

TEST_F(Framework, WindowKnowsItsObject) {
    EXPECT_EQ(&host, CWnd::FromHandle(host.GetSafeHwnd()));
    EXPECT_EQ(nullptr, CWnd::FromHandle(::GetDesktopWindow()));
    // A window of another process holds no object of this one, even with
    // the framework's property set by another copy of the program: an
    // address in that process, meaningless here.
    HWND desktop = ::GetDesktopWindow();
    ASSERT_TRUE(::SetPropW(desktop, CWnd::kObjectProperty, reinterpret_cast<HANDLE>(0x9)));
    EXPECT_EQ(nullptr, CWnd::FromHandle(desktop));
    ::RemovePropW(desktop, CWnd::kObjectProperty);
    host.DestroyWindow();
    EXPECT_EQ(nullptr, host.GetSafeHwnd());
}

TEST_F(Framework, ColourMessagesAreReflectedToTheChild) {
    ColouredStatic label;
    ASSERT_TRUE(label.Create(L"text", WS_CHILD | WS_VISIBLE, RECT{0, 0, 50, 20}, &host, 7));
    HDC dc = ::GetDC(label.GetSafeHwnd());
    const LRESULT brush = host.SendMessageW(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                            reinterpret_cast<LPARAM>(label.GetSafeHwnd()));
    ::ReleaseDC(label.GetSafeHwnd(), dc);
    EXPECT_EQ(reinterpret_cast<LRESULT>(label.brush), brush);
}

TEST_F(Framework, CommandGoesToTheChildBeforeTheParent) {
    SelfHandlingButton button;
    CButton plain;
    ASSERT_TRUE(button.Create(L"a", WS_CHILD | WS_VISIBLE, RECT{0, 0, 40, 20}, &host, 3));
    ASSERT_TRUE(plain.Create(L"b", WS_CHILD | WS_VISIBLE, RECT{50, 0, 90, 20}, &host, 4));
    button.SendMessageW(BM_CLICK);
    EXPECT_EQ(1, button.clicks);
    EXPECT_EQ(0, host.commands);
    plain.SendMessageW(BM_CLICK);
    EXPECT_EQ(1, host.commands);
}

TEST_F(Framework, MessageLoopPreTranslatesFromTheWindowUp) {
    SelfHandlingButton button;
    ASSERT_TRUE(button.Create(L"a", WS_CHILD | WS_VISIBLE, RECT{0, 0, 40, 20}, &host, 3));
    button.PostMessageW(WM_USER + 5);
    host.PostMessageW(WM_USER + 6);
    test::Settle();  // a plain loop: nothing pre-translated
    EXPECT_TRUE(button.preTranslated.empty());
    button.PostMessageW(WM_USER + 7);
    ::PostMessageW(nullptr, WM_NULL, 0, 0);
    ASSERT_TRUE(CWinApp::PumpMessage());
    ASSERT_EQ(1u, button.preTranslated.size());
    EXPECT_EQ(static_cast<UINT>(WM_USER + 7), button.preTranslated[0]);
}

// A window of other code in the process, such as a sub-menu of the menu
// library, keeps a small number of its own in GWLP_USERDATA; the message
// loop meets it like any other window.
TEST_F(Framework, ForeignWindowsKeepTheirUserDataAndPassTheLoop) {
    static std::vector<UINT> received;
    received.clear();
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (msg >= WM_USER) {
            received.push_back(msg);
        }
        return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    };
    cls.hInstance = ::GetModuleHandleW(nullptr);
    cls.lpszClassName = L"Q5ForeignWindow";
    ::RegisterClassExW(&cls);
    HWND foreign = ::CreateWindowExW(0, cls.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                     nullptr, cls.hInstance, nullptr);
    ASSERT_NE(foreign, nullptr);
    ::SetWindowLongPtrW(foreign, GWLP_USERDATA, 1);
    EXPECT_EQ(nullptr, CWnd::FromHandle(foreign));
    ::PostMessageW(foreign, WM_USER + 9, 0, 0);
    MSG waiting{};
    while (received.empty() && ::PeekMessageW(&waiting, nullptr, 0, 0, PM_NOREMOVE)) {
        ASSERT_TRUE(CWinApp::PumpMessage());
    }
    EXPECT_EQ(std::vector<UINT>{WM_USER + 9}, received);
    EXPECT_EQ(1, ::GetWindowLongPtrW(foreign, GWLP_USERDATA));
    ::DestroyWindow(foreign);
}

TEST_F(Framework, TimersReachOnTimer) {
    host.SetTimer(66, 10);
    for (int i = 0; i < 50 && host.timers.empty(); ++i) {
        test::Settle();
    }
    host.KillTimer(66);
    ASSERT_FALSE(host.timers.empty());
    EXPECT_EQ(66u, host.timers[0]);
}

class PlainDialog : public CDialog {
public:
    explicit PlainDialog(CWnd* parent) : CDialog(Q5_IDD_INFO, parent) {}
    bool initialised = false;
    bool ownerEnabledWhileRunning = true;

protected:
    BOOL OnInitDialog() override {
        initialised = true;
        return TRUE;
    }
};

TEST_F(Framework, ModalDialogsNestAndDisableTheirOwners) {
    PlainDialog outer(&host);
    PlainDialog inner(&outer);
    INT_PTR innerResult = 0;
    bool outerEnabledDuringInner = true;
    test::TimerScript script({
        [&] {
            innerResult = inner.DoModal();
            return true;
        },
        [&] {
            outerEnabledDuringInner = ::IsWindowEnabled(outer.GetSafeHwnd()) != FALSE;
            inner.EndDialog(42);
            return true;
        },
        [&] {
            outer.ownerEnabledWhileRunning = ::IsWindowEnabled(host.GetSafeHwnd()) != FALSE;
            outer.EndDialog(7);
            return true;
        },
    });
    EXPECT_EQ(7, outer.DoModal());
    EXPECT_EQ(42, innerResult);
    EXPECT_TRUE(outer.initialised);
    EXPECT_TRUE(inner.initialised);
    EXPECT_FALSE(outerEnabledDuringInner);
    EXPECT_FALSE(outer.ownerEnabledWhileRunning);
    EXPECT_TRUE(::IsWindowEnabled(host.GetSafeHwnd()));
    EXPECT_EQ(nullptr, outer.GetSafeHwnd());
}

TEST_F(Framework, QuitEndsTheModalLoopAndStaysQueued) {
    PlainDialog dialog(&host);
    test::TimerScript script({[] {
        ::PostQuitMessage(3);
        return true;
    }});
    EXPECT_EQ(-1, dialog.DoModal());
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(3u, msg.wParam);
}

}  // namespace
}  // namespace q5::win

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "WinUiTestSupport.h"
#include "ui/ResourceIds.h"
#include "ui/win/CMenu.h"
#include "ui/win/CTrayDialog.h"
#include "ui/win/WideText.h"

namespace q5::win {
namespace {

struct ShellCall {
    DWORD message;
    NOTIFYICONDATAW data;
};

// Stands in for the main dialog: starts hidden behind the icon, ends the
// program (its modal loop) on WM_CLOSE after removing the icon.
class TrayTestDialog : public CTrayDialog {
public:
    TrayTestDialog(TextLookup texts, std::vector<ShellCall>& calls)
        : CTrayDialog(Q5_IDD_INFO, std::move(texts)) {
        m_visibleOnStart = false;
        SetShellNotify([&calls](DWORD message, NOTIFYICONDATAW* data) {
            calls.push_back({message, *data});
            return TRUE;
        });
    }

    bool closed = false;

protected:
    BOOL OnInitDialog() override {
        MoveWindow(300, 240, 304, 154);
        AddTrayIcon();
        SavePlacement();
        ShowWindow(SW_HIDE);
        ModifyStyleEx(WS_EX_APPWINDOW, WS_EX_TOOLWINDOW);
        return TRUE;
    }

    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
            case WM_CLOSE:
                closed = true;
                RemoveTrayIcon();
                EndDialog(IDCANCEL);
                return 0;
            default:
                return CTrayDialog::HandleMessage(msg, wParam, lParam);
        }
    }
};

TextLookup TextsWithTitle(std::u16string title) {
    return [title, base = test::SampleTexts()](std::string_view key) {
        return key == "tc_mouse_title" ? title : base(key);
    };
}

HWND MenuWindow() {
    HWND menu = ::FindWindowW(L"#32768", nullptr);
    return (menu && ::IsWindowVisible(menu)) ? menu : nullptr;
}

std::uint32_t AsRgb(COLORREF color) {
    return (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
}

TEST(TrayIcon, IconDataAndTooltipCut) {
    std::vector<ShellCall> calls;
    std::u16string title(126, u'T');
    title += u"XYZ";
    TrayTestDialog dialog(TextsWithTitle(title), calls);
    test::TimerScript script({[&] {
        dialog.PostMessageW(WM_CLOSE);
        return true;
    }});
    EXPECT_EQ(IDCANCEL, dialog.DoModal());

    ASSERT_EQ(2u, calls.size());
    EXPECT_EQ(static_cast<DWORD>(NIM_ADD), calls[0].message);
    const NOTIFYICONDATAW& data = calls[0].data;
    // The whole structure: 956 bytes in a 32-bit build.
    EXPECT_EQ(sizeof(NOTIFYICONDATAW), data.cbSize);
    EXPECT_EQ(128u, data.uID);
    EXPECT_EQ(7u, data.uFlags);
    EXPECT_EQ(0x600u, data.uCallbackMessage);
    EXPECT_NE(nullptr, data.hIcon);
    EXPECT_EQ(std::u16string(126, u'T') + u"X", FromWide(data.szTip));
    EXPECT_EQ(static_cast<DWORD>(NIM_DELETE), calls[1].message);
    EXPECT_EQ(128u, calls[1].data.uID);
}

TEST(TrayIcon, DoubleClickShowsTheWindowAtItsSavedPlace) {
    std::vector<ShellCall> calls;
    TrayTestDialog dialog(test::SampleTexts(), calls);
    bool hiddenAtStart = false;
    bool shown = false;
    bool hasTaskbarButton = false;
    RECT afterDrag{};
    RECT afterShow{};
    test::TimerScript script({
        [&] {
            hiddenAtStart = !dialog.IsWindowVisible();
            ::SendMessageW(dialog.GetSafeHwnd(), 0x600, 128, WM_LBUTTONDBLCLK);
            shown = dialog.IsWindowVisible();
            const LONG_PTR ex = ::GetWindowLongPtrW(dialog.GetSafeHwnd(), GWL_EXSTYLE);
            hasTaskbarButton = (ex & WS_EX_APPWINDOW) && !(ex & WS_EX_TOOLWINDOW);
            // The user drags it away and hides it; the icon brings it back.
            dialog.MoveWindow(20, 30, 304, 154);
            afterDrag = dialog.GetWindowRect();
            dialog.ShowWindow(SW_HIDE);
            ::SendMessageW(dialog.GetSafeHwnd(), 0x600, 128, WM_LBUTTONDBLCLK);
            afterShow = dialog.GetWindowRect();
            // Other mouse messages do nothing.
            ::SendMessageW(dialog.GetSafeHwnd(), 0x600, 128, WM_MOUSEMOVE);
            dialog.PostMessageW(WM_CLOSE);
            return true;
        },
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_TRUE(hiddenAtStart);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(hasTaskbarButton);
    EXPECT_EQ(20, afterDrag.left);
    EXPECT_EQ(300, afterShow.left);
    EXPECT_EQ(240, afterShow.top);
}

TEST(TrayIcon, ShellRestartAddsTheIconAgain) {
    std::vector<ShellCall> calls;
    TrayTestDialog dialog(test::SampleTexts(), calls);
    test::TimerScript script({[&] {
        ::SendMessageW(dialog.GetSafeHwnd(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
        dialog.PostMessageW(WM_CLOSE);
        return true;
    }});
    dialog.DoModal();
    ASSERT_EQ(3u, calls.size());
    EXPECT_EQ(static_cast<DWORD>(NIM_ADD), calls[0].message);
    EXPECT_EQ(static_cast<DWORD>(NIM_ADD), calls[1].message);
    EXPECT_EQ(0x600u, calls[1].data.uCallbackMessage);
    EXPECT_EQ(static_cast<DWORD>(NIM_DELETE), calls[2].message);
}

// Right click on the icon, then a real click on the menu's first item: the
// hidden window comes back at its saved place with its taskbar button, and
// the program goes on.
TEST(TrayIcon, MenuFirstItemShowsTheWindow) {
    std::vector<ShellCall> calls;
    TrayTestDialog dialog(test::SampleTexts(), calls);
    ::SetCursorPos(700, 500);
    bool hiddenBeforeMenu = false;
    bool menuOpened = false;
    bool shown = false;
    bool hasTaskbarButton = false;
    bool closedByMenu = true;
    RECT afterShow{};
    int waits = 0;
    test::TimerScript script({
        [&] {
            dialog.MoveWindow(20, 30, 304, 154);  // moved while hidden: not the saved place
            hiddenBeforeMenu = !dialog.IsWindowVisible();
            dialog.PostMessageW(0x600, 128, WM_RBUTTONDOWN);
            return true;
        },
        [&] {
            HWND menu = MenuWindow();
            if (!menu || !CMenu::Tracking()) {
                return ++waits > 50;
            }
            menuOpened = true;
            RECT item{};
            ::GetMenuItemRect(nullptr, CMenu::Tracking()->GetSafeHmenu(), 0, &item);
            test::ClickAt((item.left + item.right) / 2, (item.top + item.bottom) / 2);
            return true;
        },
        [&] {
            if (MenuWindow() && ++waits < 100) {
                return false;  // the click is still on its way
            }
            test::Settle();
            shown = dialog.IsWindowVisible();
            closedByMenu = dialog.closed;
            const LONG_PTR ex = ::GetWindowLongPtrW(dialog.GetSafeHwnd(), GWL_EXSTYLE);
            hasTaskbarButton = (ex & WS_EX_APPWINDOW) && !(ex & WS_EX_TOOLWINDOW);
            afterShow = dialog.GetWindowRect();
            dialog.PostMessageW(WM_CLOSE);
            return true;
        },
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_TRUE(hiddenBeforeMenu);
    EXPECT_TRUE(menuOpened);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(closedByMenu);
    EXPECT_TRUE(hasTaskbarButton);
    EXPECT_EQ(300, afterShow.left);
    EXPECT_EQ(240, afterShow.top);
}

// Right click: the two-item menu opens; its second item ends the program.
TEST(TrayIcon, MenuSecondItemClosesTheWindow) {
    std::vector<ShellCall> calls;
    TrayTestDialog dialog(test::SampleTexts(), calls);
    ::SetCursorPos(700, 500);
    std::vector<RgbImage> shots;
    std::vector<RECT> items;  // item rectangles inside the menu window
    int waits = 0;
    const auto capture = [&] {
        HWND menu = MenuWindow();
        if (!menu || !CMenu::Tracking()) {
            return false;
        }
        RECT frame{};
        ::GetWindowRect(menu, &frame);
        items.clear();
        for (int i = 0; i < 2; ++i) {
            RECT item{};
            ::GetMenuItemRect(nullptr, CMenu::Tracking()->GetSafeHmenu(), i, &item);
            ::OffsetRect(&item, -frame.left, -frame.top);
            items.push_back(item);
        }
        ::UpdateWindow(menu);
        shots.push_back(CaptureWindow(menu));
        return true;
    };
    const auto press = [](WPARAM key) {
        HWND menu = MenuWindow();
        if (menu) {
            ::PostMessageW(menu, WM_KEYDOWN, key, 0);
            ::PostMessageW(menu, WM_KEYUP, key, 0);
        }
        return menu != nullptr;
    };
    test::TimerScript script({
        [&] {
            dialog.PostMessageW(0x600, 128, WM_RBUTTONDOWN);
            return true;
        },
        [&] { return (MenuWindow() || ++waits > 50) && capture(); },
        [&] { return press(VK_DOWN); },
        [&] { return capture(); },
        [&] { return press(VK_DOWN); },
        [&] { return capture(); },
        [&] { return press(VK_RETURN); },
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_TRUE(dialog.closed);
    ASSERT_EQ(3u, shots.size());
    ASSERT_EQ(2u, items.size());
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(static_cast<DWORD>(NIM_DELETE), calls.back().message);

    test::SaveShot(shots[0], "tray-menu.png");
    test::SaveShot(shots[1], "tray-menu-first-item.png");
    test::SaveShot(shots[2], "tray-menu-second-item.png");
    for (const RECT& item : items) {
        // The system adds room for a check mark to the measured width.
        EXPECT_GE(item.right - item.left, 75);
        EXPECT_EQ(22, item.bottom - item.top);
    }
    // Icon column and text area at rest; the light-blue fill when highlighted.
    const auto at = [](const RgbImage& shot, const RECT& item, int dx, int dy) {
        return shot.at(item.left + dx, item.top + dy);
    };
    const std::uint32_t column = AsRgb(RGB(219, 216, 209));
    const std::uint32_t textArea = AsRgb(RGB(249, 248, 247));
    const std::uint32_t highlight = AsRgb(RGB(177, 185, 207));
    EXPECT_EQ(column, at(shots[0], items[0], 22, 11));
    EXPECT_EQ(textArea, at(shots[0], items[1], 72, 2));
    EXPECT_EQ(highlight, at(shots[1], items[0], 22, 11));
    EXPECT_EQ(0x000000u, at(shots[1], items[0], 0, 0));
    EXPECT_EQ(column, at(shots[1], items[1], 22, 11));
    EXPECT_EQ(highlight, at(shots[2], items[1], 22, 11));
    EXPECT_EQ(column, at(shots[2], items[0], 22, 11));
}

}  // namespace
}  // namespace q5::win

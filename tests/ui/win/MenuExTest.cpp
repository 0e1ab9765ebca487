#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WinUiTestSupport.h"
#include "ui/FunctionMenu.h"
#include "ui/win/MenuLibrary.h"

namespace q5::win {
namespace {

constexpr wchar_t kOwnerClass[] = L"Q5MenuOwnerTest";
constexpr int kItemHeight = 24;  // the height of skins\Menu\MenuNor.BMP
constexpr COLORREF kFrame = 0xCDCDCD;

std::wstring BinFolder() {
    return L"" Q5_BIN_DIR L"\\";
}

TextLookup LabelsFromKeys() {
    return [](std::string_view key) {
        key.remove_prefix(3);  // "tc_"
        return std::u16string(key.begin(), key.end());
    };
}

struct Received {
    std::vector<std::pair<WPARAM, LPARAM>> choices;
    int navigationKeys = 0;
};
Received g_received;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kMenuChoiceMessage) {
        g_received.choices.emplace_back(wParam, lParam);
        return 0;
    }
    if (msg == WM_KEYDOWN && (wParam == VK_DOWN || wParam == VK_RETURN || wParam == VK_ESCAPE)) {
        ++g_received.navigationKeys;
    }
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND CreateOwner(int x, int y, int width, int height) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (!::GetClassInfoExW(::GetModuleHandleW(nullptr), kOwnerClass, &wc)) {
        wc.lpfnWndProc = &OwnerProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
        wc.lpszClassName = kOwnerClass;
        ::RegisterClassExW(&wc);
    }
    HWND hwnd = ::CreateWindowExW(0, kOwnerClass, L"Menu owner", WS_POPUP | WS_VISIBLE, x, y, width,
                                  height, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SetForegroundWindow(hwnd);
    ::SetFocus(hwnd);
    return hwnd;
}

// The visible menu windows of this thread, top menu first.
std::vector<HWND> MenuWindows() {
    std::vector<HWND> found;
    HWND window = nullptr;
    while ((window = ::FindWindowExW(nullptr, window, kMenuExWindowClass, nullptr)) != nullptr) {
        if (::IsWindowVisible(window)) {
            found.push_back(window);
        }
    }
    // Z order puts the newest (deepest) first.
    std::reverse(found.begin(), found.end());
    return found;
}

RECT WindowRect(HWND hwnd) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    return r;
}

// The screen point in the middle of item `position` of a menu window.
POINT ItemCentre(HWND menu, int position) {
    const RECT r = WindowRect(menu);
    return {r.left + 40, r.top + 1 + position * kItemHeight + kItemHeight / 2};
}

void MoveTo(POINT p) {
    ::SetCursorPos(p.x, p.y);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dwFlags = MOUSEEVENTF_MOVE;
    ::SendInput(1, &move, sizeof(INPUT));
    test::Settle();
}

void Click(POINT p) {
    MoveTo(p);
    test::ClickAt(p.x, p.y);
    test::Settle();
}

void PressKey(WORD vk) {
    INPUT keys[2]{};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = vk;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, keys, sizeof(INPUT));
    test::Settle();
}

std::uint32_t ScreenPixel(POINT p) {
    HDC dc = ::GetDC(nullptr);
    const COLORREF c = ::GetPixel(dc, p.x, p.y);
    ::ReleaseDC(nullptr, dc);
    return c;
}

COLORREF ImagePixel(const wchar_t* file, int x, int y) {
    const std::wstring path = BinFolder() + L"skins\\Menu\\" + file;
    auto* bitmap = static_cast<HBITMAP>(
        ::LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    const COLORREF c = ::GetPixel(dc, x, y);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::DeleteObject(bitmap);
    return c;
}

RECT Union(const std::vector<HWND>& windows) {
    RECT all = WindowRect(windows.front());
    for (HWND w : windows) {
        const RECT r = WindowRect(w);
        ::UnionRect(&all, &all, &r);
    }
    return all;
}

class MenuLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_received = {};
        ASSERT_TRUE(library.Load(BinFolder()));
        owner = CreateOwner(20, 20, 600, 500);
        MoveTo({700, 700});
    }
    void TearDown() override {
        library.Destroy();
        ::DestroyWindow(owner);
        test::Settle();
    }

    void OpenAt(POINT p) {
        library.Open(owner, p, LabelsFromKeys(), BinFolder());
        test::Settle();
    }

    MenuLibrary library;
    HWND owner = nullptr;
};

TEST_F(MenuLibraryTest, LoadsOnlyByFullPathWithBothEntryPoints) {
    MenuLibrary other;
    EXPECT_FALSE(other.Load(L"skins"));
    EXPECT_FALSE(other.IsLoaded());
    EXPECT_FALSE(other.Load(BinFolder() + L"skins"));
    other.Destroy();  // nothing loaded: nothing happens
    EXPECT_TRUE(other.Load(BinFolder()));
    EXPECT_TRUE(other.IsLoaded());
}

TEST_F(MenuLibraryTest, OpensTopMenuAtThePointWithNineItems) {
    OpenAt({100, 80});
    const auto menus = MenuWindows();
    ASSERT_EQ(1u, menus.size());
    const RECT r = WindowRect(menus[0]);
    EXPECT_EQ(100, r.left);
    EXPECT_EQ(80, r.top);
    EXPECT_EQ(9 * kItemHeight + 2, r.bottom - r.top);
    const LONG_PTR ex = ::GetWindowLongPtrW(menus[0], GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(ex & WS_EX_NOACTIVATE);
    EXPECT_EQ(owner, ::GetForegroundWindow());
    // Frame colour at the corner; items from the normal images.
    EXPECT_EQ(kFrame, ScreenPixel({r.left, r.top}));
    EXPECT_EQ(ImagePixel(L"MenuNor.BMP", 4, 3), ScreenPixel({r.left + 1 + 4, r.top + 1 + 3}));
    EXPECT_EQ(ImagePixel(L"MenuNorHaveSub.BMP", 4, 3),
              ScreenPixel({r.left + 1 + 4, r.top + 1 + 4 * kItemHeight + 3}));
}

TEST_F(MenuLibraryTest, HoverOpensSubMenuAndClickReportsCopy) {
    OpenAt({100, 80});
    auto menus = MenuWindows();
    ASSERT_EQ(1u, menus.size());
    MoveTo(ItemCentre(menus[0], 4));  // the basic functions
    menus = MenuWindows();
    ASSERT_EQ(2u, menus.size());
    const RECT top = WindowRect(menus[0]);
    const RECT sub = WindowRect(menus[1]);
    EXPECT_EQ(top.right, sub.left);
    EXPECT_EQ(top.top + 4 * kItemHeight, sub.top);
    EXPECT_EQ(8 * kItemHeight + 2, sub.bottom - sub.top);
    // The heading shows its pointed-at image.
    EXPECT_EQ(ImagePixel(L"MenuOverHaveSub.BMP", 4, 3),
              ScreenPixel({top.left + 1 + 4, top.top + 1 + 4 * kItemHeight + 3}));

    MoveTo(ItemCentre(menus[1], 1));
    EXPECT_EQ(ImagePixel(L"MenuOver.BMP", 4, 3),
              ScreenPixel({sub.left + 1 + 4, sub.top + 1 + kItemHeight + 3}));
    test::SaveShot(CaptureScreen(Union(menus)), "menu-basic-functions.png");

    Click(ItemCentre(menus[1], 1));
    ASSERT_EQ(1u, g_received.choices.size());
    EXPECT_EQ(65u, LOWORD(g_received.choices[0].first));
    EXPECT_EQ(23u, LOWORD(g_received.choices[0].second));
    EXPECT_TRUE(MenuWindows().empty());
}

TEST_F(MenuLibraryTest, TopLevelClickReportsKeyOff) {
    OpenAt({100, 80});
    const auto menus = MenuWindows();
    ASSERT_EQ(1u, menus.size());
    Click(ItemCentre(menus[0], 3));
    ASSERT_EQ(1u, g_received.choices.size());
    EXPECT_EQ(21u, LOWORD(g_received.choices[0].first));
    EXPECT_EQ(21u, LOWORD(g_received.choices[0].second));
    EXPECT_TRUE(MenuWindows().empty());
}

TEST_F(MenuLibraryTest, ClickOnHeadingOnlyOpensIt) {
    OpenAt({100, 80});
    Click(ItemCentre(MenuWindows()[0], 8));
    EXPECT_EQ(2u, MenuWindows().size());
    EXPECT_TRUE(g_received.choices.empty());
}

TEST_F(MenuLibraryTest, KeyboardNavigatesAndChoosesWithoutReachingTheOwner) {
    OpenAt({100, 80});
    for (int i = 0; i < 6; ++i) {
        PressKey(VK_DOWN);  // to the advanced functions
    }
    PressKey(VK_RIGHT);
    auto menus = MenuWindows();
    ASSERT_EQ(2u, menus.size());
    EXPECT_EQ(10 * kItemHeight + 2, WindowRect(menus[1]).bottom - WindowRect(menus[1]).top);
    PressKey(VK_LEFT);
    EXPECT_EQ(1u, MenuWindows().size());
    PressKey(VK_RETURN);
    menus = MenuWindows();
    ASSERT_EQ(2u, menus.size());
    // Enter opened it with its first item hot.
    const RECT sub = WindowRect(menus[1]);
    EXPECT_EQ(ImagePixel(L"MenuOver.BMP", 4, 3), ScreenPixel({sub.left + 5, sub.top + 4}));
    test::SaveShot(CaptureScreen(Union(menus)), "menu-advanced-keyboard.png");
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    ASSERT_EQ(1u, g_received.choices.size());
    EXPECT_EQ(81u, LOWORD(g_received.choices[0].first));
    EXPECT_EQ(22u, LOWORD(g_received.choices[0].second));
    EXPECT_EQ(0, g_received.navigationKeys);
    EXPECT_TRUE(MenuWindows().empty());
    // With the menu closed, the keys reach the owner again.
    PressKey(VK_DOWN);
    EXPECT_EQ(1, g_received.navigationKeys);
}

TEST_F(MenuLibraryTest, EscapeClosesSubMenuThenMenu) {
    OpenAt({100, 80});
    MoveTo(ItemCentre(MenuWindows()[0], 7));
    ASSERT_EQ(2u, MenuWindows().size());
    PressKey(VK_ESCAPE);
    EXPECT_EQ(1u, MenuWindows().size());
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(MenuWindows().empty());
    EXPECT_TRUE(g_received.choices.empty());
    EXPECT_EQ(0, g_received.navigationKeys);
}

TEST_F(MenuLibraryTest, ClickElsewhereClosesWithoutChoice) {
    OpenAt({100, 80});
    ASSERT_EQ(1u, MenuWindows().size());
    Click({500, 400});  // on the owner, away from the menu
    test::Settle();
    EXPECT_TRUE(MenuWindows().empty());
    EXPECT_TRUE(g_received.choices.empty());
}

TEST_F(MenuLibraryTest, AnotherWindowInFrontClosesTheMenu) {
    OpenAt({100, 80});
    ASSERT_EQ(1u, MenuWindows().size());
    HWND other = CreateOwner(650, 20, 100, 100);
    for (int i = 0; i < 10 && !MenuWindows().empty(); ++i) {
        test::Settle();
    }
    EXPECT_TRUE(MenuWindows().empty());
    EXPECT_TRUE(g_received.choices.empty());
    ::DestroyWindow(other);
}

TEST_F(MenuLibraryTest, DestroyClosesAndIsHarmlessTwice) {
    OpenAt({100, 80});
    MoveTo(ItemCentre(MenuWindows()[0], 5));
    ASSERT_EQ(2u, MenuWindows().size());
    library.Destroy();
    EXPECT_TRUE(MenuWindows().empty());
    library.Destroy();
    EXPECT_TRUE(MenuWindows().empty());
    // Opening again while open replaces the menu.
    OpenAt({100, 80});
    OpenAt({120, 90});
    const auto menus = MenuWindows();
    ASSERT_EQ(1u, menus.size());
    EXPECT_EQ(120, WindowRect(menus[0]).left);
}

TEST_F(MenuLibraryTest, FlipsAtTheScreenCorner) {
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const POINT corner{work.right - 30, work.bottom - 30};
    OpenAt(corner);
    auto menus = MenuWindows();
    ASSERT_EQ(1u, menus.size());
    const RECT top = WindowRect(menus[0]);
    EXPECT_EQ(corner.x, top.right);
    EXPECT_EQ(corner.y, top.bottom);
    MoveTo(ItemCentre(menus[0], 5));  // ten advanced functions
    menus = MenuWindows();
    ASSERT_EQ(2u, menus.size());
    const RECT sub = WindowRect(menus[1]);
    EXPECT_EQ(top.left, sub.right);
    EXPECT_LE(sub.bottom, work.bottom);
    test::SaveShot(CaptureScreen(Union(menus)), "menu-flipped.png");
}

TEST_F(MenuLibraryTest, ShowFunctionMenuOpensAtClientPoint) {
    CWnd dialog;
    RECT place{30, 40, 330, 340};
    ASSERT_TRUE(dialog.CreateEx(0, nullptr, L"dialog", WS_POPUP | WS_VISIBLE, place, nullptr, 0));
    ShowFunctionMenu(library, dialog, LabelsFromKeys(), BinFolder());
    test::Settle();
    const auto menus = MenuWindows();
    ASSERT_EQ(1u, menus.size());
    EXPECT_EQ(30 + 49, WindowRect(menus[0]).left);
    EXPECT_EQ(40 + 160, WindowRect(menus[0]).top);
    library.Destroy();
    dialog.DestroyWindow();
}

}  // namespace
}  // namespace q5::win

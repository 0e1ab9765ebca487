/*
 * MenuEx.dll: the program's skinned pop-up menu. CreateMenuEx copies the
 * item records, loads the eight item images and opens the top menu at the
 * given point; the call returns at once and the menu runs in the calling
 * thread's message loop. What is open and hot is decided by the portable
 * PopupMenuModel; each open menu is one top-most tool window that never
 * takes the activation, so the owner keeps the keyboard: a keyboard hook on
 * the owner's thread hands the navigation keys to the menu. A click outside
 * the menu windows, or the owner's window losing the foreground, closes the
 * menu without a choice; a choice closes it and sends the choice message to
 * the owner.
 */
#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ui/menuex/win/MenuEx.h"

#include "ui/FunctionMenu.h"
#include "ui/MenuPlacement.h"
#include "ui/PopupMenuModel.h"
#include "ui/win/MenuExExports.h"

namespace {

using q5::MenuKey;
using q5::MenuOutcome;
using q5::PopupMenuModel;

constexpr UINT_PTR kWatchTimer = 1;
constexpr UINT kWatchPeriod = 100;
// Posted to the top menu window by the mouse hook: a click outside the menu.
constexpr UINT kCloseRequest = WM_APP + 1;
constexpr int kArrowRoom = 24;  // right part of an image kept 1:1 (the arrow)
constexpr int kTextGap = 8;     // space after the text before the arrow room
constexpr int kDefaultTextIndent = 26;
constexpr int kMaxTextIndent = 100;
constexpr COLORREF kTextColour = RGB(40, 44, 52);
constexpr COLORREF kHotTextColour = RGB(255, 255, 255);
constexpr COLORREF kPlainFill = RGB(247, 248, 249);

HINSTANCE g_instance = nullptr;

enum ImageSlot { kNormal = 0, kOver = 1, kDown = 2, kHeadingOffset = 4 };

struct Bitmap {
    HBITMAP handle = nullptr;
    SIZE size{};
};

class Menu {
public:
    Menu(HWND owner, int textIndent, COLORREF frame, COLORREF highlight,
         const std::array<const wchar_t*, q5::kMenuImageCount>& paths,
         std::span<const q5::MenuItemRecord> records, std::size_t count);
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    ~Menu();

    bool Open(POINT anchor);
    PopupMenuModel& Model() { return m_model; }
    HWND Owner() const { return m_owner; }
    bool IsMenuWindow(HWND hwnd) const;
    // Shows the model's state: one window per open level.
    void Sync();
    void Paint(std::size_t level, HDC dc);
    void SetPressed(std::size_t level, int position);
    void Watch();
    // Whether the pointer is somewhere else than at the last look: windows
    // that appear under a resting pointer get a mouse move without one.
    bool PointerMoved();
    // Asks the top menu window to close the menu once the current input is done.
    void RequestClose() const;
    // The position of the item under a client point given as a mouse message's lParam.
    int PositionAt(std::size_t level, LPARAM lParam) const;

private:
    HWND CreateLevelWindow(std::size_t level, const q5::Rect& where);
    void DestroyFrom(std::size_t level);
    q5::Rect LevelRect(std::size_t level) const;
    void DrawItem(HDC dc, const q5::Rect& rect, int item, bool hot, bool pressed);
    void DrawImage(HDC dc, const q5::Rect& rect, const Bitmap& image);
    void Measure();

    HWND m_owner;
    int m_textIndent;
    COLORREF m_frame;
    COLORREF m_highlight;
    std::array<Bitmap, q5::kMenuImageCount> m_images{};
    PopupMenuModel m_model;
    q5::MenuGeometry m_geometry;
    HFONT m_font = nullptr;
    POINT m_anchor{};
    HWND m_foregroundAtOpen = nullptr;
    POINT m_pointer{};
    std::vector<HWND> m_windows;
    std::vector<int> m_windowOwners;
    std::vector<q5::Rect> m_rects;
    std::optional<std::pair<std::size_t, int>> m_pressed;
    HHOOK m_keyboardHook = nullptr;
    HHOOK m_mouseHook = nullptr;
};

std::unique_ptr<Menu> g_menu;

void CloseMenu() {
    // Reset first: destroying the windows must not reach a half-destroyed menu.
    std::unique_ptr<Menu> menu = std::move(g_menu);
}

// Acts on what an input did. After a choice or a close the menu is gone:
// callers must not touch it afterwards.
void Apply(MenuOutcome outcome) {
    if (!g_menu) {
        return;
    }
    switch (outcome) {
        case MenuOutcome::None:
            return;
        case MenuOutcome::Changed:
            g_menu->Sync();
            return;
        case MenuOutcome::Closed:
            CloseMenu();
            return;
        case MenuOutcome::Chosen: {
            const q5::MenuChoice choice = g_menu->Model().Choice();
            const HWND owner = g_menu->Owner();
            CloseMenu();
            ::SendMessageW(owner, q5::kMenuChoiceMessage, LOWORD(choice.code),
                           LOWORD(choice.topLevelCode));
            return;
        }
    }
}

std::optional<MenuKey> NavigationKey(WPARAM vk) {
    switch (vk) {
        case VK_UP:
            return MenuKey::Up;
        case VK_DOWN:
            return MenuKey::Down;
        case VK_LEFT:
            return MenuKey::Left;
        case VK_RIGHT:
            return MenuKey::Right;
        case VK_RETURN:
            return MenuKey::Enter;
        case VK_ESCAPE:
            return MenuKey::Escape;
        default:
            return std::nullopt;
    }
}

// Keys of the owner's thread while the menu is open: the navigation keys
// drive the menu and never reach the owner.
LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto key = NavigationKey(wParam);
    if (code < 0 || !g_menu || !key) {
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    const bool release = (static_cast<DWORD>(lParam) & 0x80000000u) != 0;
    if (code == HC_ACTION && !release) {
        Apply(g_menu->Model().Key(*key));
    }
    return 1;
}

bool IsButtonDown(WPARAM message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_XBUTTONDOWN;
}

// Every click on the desktop: one outside the menu windows closes the menu
// (asked by a posted message; the click itself goes on to its window).
LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && g_menu && IsButtonDown(wParam)) {
        const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        const HWND target = ::WindowFromPoint(info->pt);
        if (!g_menu->IsMenuWindow(target)) {
            g_menu->RequestClose();
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

std::size_t LevelOf(HWND hwnd) {
    return static_cast<std::size_t>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK MenuWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(hwnd, &ps);
            if (g_menu) {
                g_menu->Paint(LevelOf(hwnd), dc);
            }
            ::EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_MOUSEMOVE:
            if (g_menu && g_menu->PointerMoved()) {
                const std::size_t level = LevelOf(hwnd);
                Apply(g_menu->Model().Hover(level, g_menu->PositionAt(level, lParam)));
            }
            return 0;
        case WM_LBUTTONDOWN:
            if (g_menu) {
                const std::size_t level = LevelOf(hwnd);
                g_menu->SetPressed(level, g_menu->PositionAt(level, lParam));
            }
            return 0;
        case WM_LBUTTONUP:
            if (g_menu) {
                const std::size_t level = LevelOf(hwnd);
                const int position = g_menu->PositionAt(level, lParam);
                g_menu->SetPressed(level, PopupMenuModel::kNone);
                Apply(g_menu->Model().Click(level, position));
            }
            return 0;
        case WM_TIMER:
            if (wParam == kWatchTimer && g_menu) {
                g_menu->Watch();
            }
            return 0;
        case kCloseRequest:
            CloseMenu();
            return 0;
        default:
            return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

bool RegisterMenuClass() {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (::GetClassInfoExW(g_instance, q5::win::kMenuExWindowClass, &existing)) {
        return true;
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DROPSHADOW;
    wc.lpfnWndProc = &MenuWindowProc;
    wc.hInstance = g_instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = q5::win::kMenuExWindowClass;
    return ::RegisterClassExW(&wc) != 0;
}

q5::Rect WorkAreaAt(POINT point) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(::MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &info);
    return {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

Bitmap LoadBitmapFile(const wchar_t* path) {
    Bitmap bitmap;
    if (!path || !*path) {
        return bitmap;
    }
    bitmap.handle = static_cast<HBITMAP>(
        ::LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    BITMAP info{};
    if (bitmap.handle && ::GetObjectW(bitmap.handle, sizeof(info), &info)) {
        bitmap.size = {info.bmWidth, info.bmHeight};
    }
    return bitmap;
}

Menu::Menu(HWND owner, int textIndent, COLORREF frame, COLORREF highlight,
           const std::array<const wchar_t*, q5::kMenuImageCount>& paths,
           std::span<const q5::MenuItemRecord> records, std::size_t count)
    : m_owner(owner),
      m_textIndent(std::clamp(textIndent, 0, kMaxTextIndent)),
      m_frame(frame),
      m_highlight(highlight),
      m_model(records, count) {
    for (std::size_t i = 0; i < paths.size(); ++i) {
        m_images[i] = LoadBitmapFile(paths[i]);
    }
    m_font = ::CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_SWISS, L"MS Shell Dlg");
    Measure();
}

Menu::~Menu() {
    if (m_keyboardHook) {
        ::UnhookWindowsHookEx(m_keyboardHook);
    }
    if (m_mouseHook) {
        ::UnhookWindowsHookEx(m_mouseHook);
    }
    DestroyFrom(0);
    for (Bitmap& image : m_images) {
        if (image.handle) {
            ::DeleteObject(image.handle);
        }
    }
    if (m_font) {
        ::DeleteObject(m_font);
    }
}

void Menu::Measure() {
    const Bitmap& normal = m_images[kNormal];
    if (normal.handle && normal.size.cy > 0) {
        m_geometry.itemWidth = normal.size.cx;
        m_geometry.itemHeight = normal.size.cy;
    }
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, m_font);
    for (std::size_t i = 0; i < m_model.ItemCount(); ++i) {
        const std::u16string& label = m_model.ItemAt(static_cast<int>(i)).label;
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(label.c_str()),
                                static_cast<int>(label.size()), &extent);
        m_geometry.itemWidth =
            std::max<int>(m_geometry.itemWidth, m_textIndent + extent.cx + kTextGap + kArrowRoom);
    }
    ::SelectObject(dc, old);
    ::ReleaseDC(nullptr, dc);
}

bool Menu::Open(POINT anchor) {
    if (!RegisterMenuClass()) {
        return false;
    }
    m_anchor = anchor;
    m_foregroundAtOpen = ::GetForegroundWindow();
    ::GetCursorPos(&m_pointer);
    const DWORD thread = ::GetCurrentThreadId();
    m_keyboardHook = ::SetWindowsHookExW(WH_KEYBOARD, &KeyboardHook, nullptr, thread);
    m_mouseHook = ::SetWindowsHookExW(WH_MOUSE_LL, &MouseHook, g_instance, 0);
    Sync();
    return !m_windows.empty();
}

bool Menu::IsMenuWindow(HWND hwnd) const {
    return hwnd && std::find(m_windows.begin(), m_windows.end(), hwnd) != m_windows.end();
}

q5::Rect Menu::LevelRect(std::size_t level) const {
    const q5::MenuSize size = q5::MenuWindowSize(m_geometry, m_model.LevelItems(level).size());
    if (level == 0) {
        return q5::PlaceMenu({m_anchor.x, m_anchor.y}, size, WorkAreaAt(m_anchor));
    }
    const q5::Rect& parent = m_rects[level - 1];
    const q5::Rect item = q5::MenuItemRect(m_geometry, m_model.Hot(level - 1));
    const q5::Rect onScreen{parent.left + item.left, parent.top + item.top,
                            parent.left + item.right, parent.top + item.bottom};
    const POINT corner{onScreen.right, onScreen.top};
    return q5::PlaceSubMenu(onScreen, size, WorkAreaAt(corner), m_geometry.border);
}

void Menu::Sync() {
    const std::size_t levels = m_model.LevelCount();
    for (std::size_t level = 0; level < levels; ++level) {
        if (level < m_windows.size() && m_windowOwners[level] == m_model.LevelOwner(level)) {
            ::InvalidateRect(m_windows[level], nullptr, FALSE);
            continue;
        }
        DestroyFrom(level);
        const q5::Rect where = LevelRect(level);
        HWND window = CreateLevelWindow(level, where);
        if (!window) {
            return;
        }
        m_windows.push_back(window);
        m_windowOwners.push_back(m_model.LevelOwner(level));
        m_rects.push_back(where);
        ::ShowWindow(window, SW_SHOWNOACTIVATE);
        ::UpdateWindow(window);
    }
    DestroyFrom(levels);
}

HWND Menu::CreateLevelWindow(std::size_t level, const q5::Rect& where) {
    HWND window = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE,
                                    q5::win::kMenuExWindowClass, L"", WS_POPUP, where.left,
                                    where.top, where.right - where.left, where.bottom - where.top,
                                    m_owner, nullptr, g_instance, nullptr);
    if (window) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA, static_cast<LONG_PTR>(level));
        if (level == 0) {
            ::SetTimer(window, kWatchTimer, kWatchPeriod, nullptr);
        }
    }
    return window;
}

void Menu::DestroyFrom(std::size_t level) {
    while (m_windows.size() > level) {
        HWND window = m_windows.back();
        m_windows.pop_back();
        m_windowOwners.pop_back();
        m_rects.pop_back();
        ::DestroyWindow(window);
    }
}

bool Menu::PointerMoved() {
    POINT now{};
    ::GetCursorPos(&now);
    const bool moved = now.x != m_pointer.x || now.y != m_pointer.y;
    m_pointer = now;
    return moved;
}

void Menu::SetPressed(std::size_t level, int position) {
    if (position == PopupMenuModel::kNone) {
        m_pressed.reset();
    } else {
        m_pressed = std::make_pair(level, position);
    }
    if (level < m_windows.size()) {
        ::InvalidateRect(m_windows[level], nullptr, FALSE);
    }
}

// Closes the menu when the owner is gone or another window than the one
// in front at the opening (or a menu window) has come to the front.
void Menu::Watch() {
    const HWND foreground = ::GetForegroundWindow();
    const bool ownerGone = !::IsWindow(m_owner);
    const bool otherInFront = foreground != m_foregroundAtOpen && !IsMenuWindow(foreground);
    if (ownerGone || otherInFront) {
        RequestClose();
    }
}

void Menu::RequestClose() const {
    if (!m_windows.empty()) {
        ::PostMessageW(m_windows.front(), kCloseRequest, 0, 0);
    }
}

void Menu::DrawImage(HDC dc, const q5::Rect& rect, const Bitmap& image) {
    HDC source = ::CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(source, image.handle);
    const int height = rect.bottom - rect.top;
    const int keep = std::min<int>(kArrowRoom, image.size.cx);
    const int width = rect.right - rect.left;
    // The left part stretches to the item's width; the right part, with the
    // sub-menu arrow, is copied as it is.
    ::SetStretchBltMode(dc, COLORONCOLOR);
    ::StretchBlt(dc, rect.left, rect.top, width - keep, height, source, 0, 0, image.size.cx - keep,
                 image.size.cy, SRCCOPY);
    ::StretchBlt(dc, rect.right - keep, rect.top, keep, height, source, image.size.cx - keep, 0,
                 keep, image.size.cy, SRCCOPY);
    ::SelectObject(source, old);
    ::DeleteDC(source);
}

void Menu::DrawItem(HDC dc, const q5::Rect& rect, int item, bool hot, bool pressed) {
    const bool heading = m_model.HasSubMenu(item);
    const int slot = (pressed ? kDown : hot ? kOver : kNormal) + (heading ? kHeadingOffset : 0);
    const Bitmap& image = m_images[static_cast<std::size_t>(slot)];
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    if (image.handle) {
        DrawImage(dc, rect, image);
    } else {
        HBRUSH fill = ::CreateSolidBrush(hot || pressed ? m_highlight : kPlainFill);
        ::FillRect(dc, &r, fill);
        ::DeleteObject(fill);
        if (heading) {
            const int cy = (rect.top + rect.bottom) / 2;
            const POINT arrow[3] = {
                {rect.right - 12, cy - 4}, {rect.right - 7, cy}, {rect.right - 12, cy + 4}};
            HBRUSH glyph = ::CreateSolidBrush(hot || pressed ? kHotTextColour : kTextColour);
            HGDIOBJ oldBrush = ::SelectObject(dc, glyph);
            HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(NULL_PEN));
            ::Polygon(dc, arrow, 3);
            ::SelectObject(dc, oldPen);
            ::SelectObject(dc, oldBrush);
            ::DeleteObject(glyph);
        }
    }
    const std::u16string& label = m_model.ItemAt(item).label;
    RECT text{rect.left + m_textIndent, rect.top, rect.right - kArrowRoom, rect.bottom};
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, hot || pressed ? kHotTextColour : kTextColour);
    ::DrawTextW(dc, reinterpret_cast<const wchar_t*>(label.c_str()), static_cast<int>(label.size()),
                &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void Menu::Paint(std::size_t level, HDC dc) {
    if (level >= m_model.LevelCount()) {
        return;
    }
    const auto& items = m_model.LevelItems(level);
    const q5::MenuSize size = q5::MenuWindowSize(m_geometry, items.size());
    HDC buffer = ::CreateCompatibleDC(dc);
    HBITMAP surface = ::CreateCompatibleBitmap(dc, size.width, size.height);
    HGDIOBJ oldSurface = ::SelectObject(buffer, surface);
    HGDIOBJ oldFont = ::SelectObject(buffer, m_font);
    const RECT whole{0, 0, size.width, size.height};
    HBRUSH frame = ::CreateSolidBrush(m_frame);
    ::FillRect(buffer, &whole, frame);
    ::DeleteObject(frame);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int position = static_cast<int>(i);
        const bool hot = m_model.Hot(level) == position;
        const bool pressed = hot && m_pressed && *m_pressed == std::make_pair(level, position);
        DrawItem(buffer, q5::MenuItemRect(m_geometry, position), items[i], hot, pressed);
    }
    ::BitBlt(dc, 0, 0, size.width, size.height, buffer, 0, 0, SRCCOPY);
    ::SelectObject(buffer, oldFont);
    ::SelectObject(buffer, oldSurface);
    ::DeleteObject(surface);
    ::DeleteDC(buffer);
}

int Menu::PositionAt(std::size_t level, LPARAM lParam) const {
    if (level >= m_model.LevelCount()) {
        return PopupMenuModel::kNone;
    }
    const q5::Point client{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return q5::MenuItemAt(m_geometry, m_model.LevelItems(level).size(), client);
}

}  // namespace

extern "C" void WINAPI CreateMenuEx(HWND owner, int textIndent, const POINT* screenPoint,
                                    int /*flags*/, COLORREF frame, COLORREF highlight,
                                    const wchar_t* normal, const wchar_t* over, const wchar_t* down,
                                    const wchar_t* fourth, const wchar_t* headingNormal,
                                    const wchar_t* headingOver, const wchar_t* headingDown,
                                    const wchar_t* headingFourth, const void* items, int count) {
    CloseMenu();
    if (!screenPoint || !items || count <= 0) {
        return;
    }
    const std::size_t used =
        std::min<std::size_t>(static_cast<std::size_t>(count), q5::kMenuItemCapacity);
    const std::span<const q5::MenuItemRecord> records(static_cast<const q5::MenuItemRecord*>(items),
                                                      used);
    g_menu = std::make_unique<Menu>(
        owner, textIndent == 0 ? kDefaultTextIndent : textIndent, frame, highlight,
        std::array<const wchar_t*, q5::kMenuImageCount>{normal, over, down, fourth, headingNormal,
                                                        headingOver, headingDown, headingFourth},
        records, used);
    if (!g_menu->Open(*screenPoint)) {
        CloseMenu();
    }
}

extern "C" void WINAPI DestroyMenuEx() {
    CloseMenu();
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_instance = instance;
        ::DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        CloseMenu();
        ::UnregisterClassW(q5::win::kMenuExWindowClass, instance);
    }
    return TRUE;
}

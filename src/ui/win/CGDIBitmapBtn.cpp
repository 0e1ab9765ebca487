#include "ui/win/CGDIBitmapBtn.h"

#include <commctrl.h>

#include "ui/HoverTracking.h"
#include "ui/win/CWinApp.h"
#include "ui/win/SkinFont.h"
#include "ui/win/WideText.h"

namespace q5::win {
namespace {

constexpr int kCaptionFontHeight = 14;
constexpr int kCaptionFontWeight = 300;
constexpr UINT kCaptionFormat =
    DT_CENTER | DT_WORDBREAK | DT_SINGLELINE | DT_NOCLIP | DT_END_ELLIPSIS;  // 0x8131
constexpr UINT_PTR kToolId = 1;

std::size_t IndexOf(StateImage image) {
    return static_cast<std::size_t>(image);
}

}  // namespace

CGDIBitmapBtn::~CGDIBitmapBtn() {
    DestroyWindow();
    for (HBITMAP& image : m_images) {
        if (image) {
            ::DeleteObject(image);
            image = nullptr;
        }
    }
}

bool CGDIBitmapBtn::Create(const RECT& rect, CWnd* parent, DWORD style) {
    if (!CButton::Create(L"", style, rect, parent, 0)) {
        return false;
    }
    ModifyStyle(WS_TABSTOP, 0);
    return true;
}

void CGDIBitmapBtn::CutImage(HBITMAP& target, HDC dc, HBITMAP source, int x1, int y1, int x2,
                             int y2) {
    if (!source) {
        return;
    }
    if (target) {
        ::DeleteObject(target);
    }
    const int width = x2 - x1;
    const int height = y2 - y1;
    target = ::CreateCompatibleBitmap(dc, width, height);
    HDC sourceDc = ::CreateCompatibleDC(dc);
    HDC targetDc = ::CreateCompatibleDC(dc);
    {
        SelectedObject sourceSelected(sourceDc, source);
        SelectedObject targetSelected(targetDc, target);
        ::StretchBlt(targetDc, 0, 0, width, height, sourceDc, x1, y1, width, height, SRCCOPY);
    }
    ::DeleteDC(targetDc);
    ::DeleteDC(sourceDc);
}

void CGDIBitmapBtn::SetStateImages(HBITMAP normal, HBITMAP hover, HBITMAP pressed, HBITMAP disabled,
                                   const RECT& rect) {
    HDC dc = ::GetDC(m_hWnd);
    const HBITMAP sources[] = {normal, hover, pressed, disabled};
    for (std::size_t i = 0; i < m_images.size(); ++i) {
        CutImage(m_images[i], dc, sources[i], rect.left, rect.top, rect.right, rect.bottom);
    }
    ::ReleaseDC(m_hWnd, dc);
    ModifyStyle(WS_BORDER | WS_TABSTOP, 0);
}

void CGDIBitmapBtn::SetCaption(const std::u16string& text, int offsetX, int offsetY) {
    m_caption = text;
    m_captionOffsetX = offsetX;
    m_captionOffsetY = offsetY;
    Repaint();
}

void CGDIBitmapBtn::SetLatched(int flag) {
    if (flag != m_latched) {
        m_latched = flag;
        Repaint();
    }
}

void CGDIBitmapBtn::CreateTooltip() {
    if (m_tooltip || !m_hWnd) {
        return;
    }
    CWinApp::InitCommonControls();
    m_tooltip = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  m_hWnd, nullptr, AppInstance(), nullptr);
    if (m_tooltip) {
        ::SendMessageW(m_tooltip, TTM_ACTIVATE, FALSE, 0);
    }
}

void CGDIBitmapBtn::SetTooltip(const char16_t* text) {
    if (!text) {
        return;
    }
    CreateTooltip();
    if (!m_tooltip) {
        return;
    }
    std::u16string copy(text);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = m_hWnd;
    tool.uId = kToolId;
    tool.rect = GetClientRect();
    tool.lpszText = const_cast<wchar_t*>(Wide(copy));
    if (::SendMessageW(m_tooltip, TTM_GETTOOLCOUNT, 0, 0) == 0) {
        ::SendMessageW(m_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    ::SendMessageW(m_tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageW(m_tooltip, TTM_ACTIVATE, TRUE, 0);
}

BOOL CGDIBitmapBtn::PreTranslateMessage(MSG* msg) {
    CreateTooltip();
    if (m_tooltip) {
        ::SendMessageW(m_tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
    }
    return CButton::PreTranslateMessage(msg);
}

void CGDIBitmapBtn::DrawImage(HDC target, HBITMAP image, int width, int height) const {
    if (!image) {
        return;
    }
    HDC imageDc = ::CreateCompatibleDC(target);
    {
        SelectedObject selected(imageDc, image);
        ::BitBlt(target, 0, 0, width, height, imageDc, 0, 0, SRCCOPY);
    }
    ::DeleteDC(imageDc);
}

void CGDIBitmapBtn::DrawWithCaption(HDC target, HBITMAP image, const RECT& client,
                                    const ButtonLook& look) const {
    if (!image) {
        return;  // no picture for this state: the area stays as it was
    }
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    HDC offscreen = ::CreateCompatibleDC(target);
    HBITMAP canvas = ::CreateCompatibleBitmap(target, width, height);
    HFONT font = CreateSkinFont(kCaptionFontHeight, kCaptionFontWeight);
    {
        SelectedObject canvasSelected(offscreen, canvas);
        DrawImage(offscreen, image, width, height);
        SelectedObject fontSelected(offscreen, font);
        ::SetBkMode(offscreen, TRANSPARENT);
        ::SetTextColor(offscreen, look.textColor);
        SIZE extent{};
        ::GetTextExtentPoint32W(offscreen, Wide(m_caption), static_cast<int>(m_caption.size()),
                                &extent);
        const Rect place =
            CaptionRect({client.left, client.top, client.right, client.bottom}, extent.cy,
                        {m_captionOffsetX, m_captionOffsetY}, look.pressedLook);
        RECT textRect{place.left, place.top, place.right, place.bottom};
        std::u16string text = m_caption;
        ::DrawTextW(offscreen, const_cast<wchar_t*>(Wide(text)), -1, &textRect, kCaptionFormat);
        ::BitBlt(target, client.left, client.top, width, height, offscreen, 0, 0, SRCCOPY);
    }
    ::DeleteObject(font);
    ::DeleteObject(canvas);
    ::DeleteDC(offscreen);
}

void CGDIBitmapBtn::DrawItem(DRAWITEMSTRUCT* item) {
    ButtonState state;
    state.latched = m_latched != 0;
    state.selected = (item->itemState & ODS_SELECTED) != 0;
    state.hovering = m_hovering != 0;
    state.disabled = (item->itemState & ODS_DISABLED) != 0;
    const ButtonLook look = ChooseButtonLook(state, m_textColors);
    HBITMAP image = m_images[IndexOf(look.image)];
    const RECT client = GetClientRect();
    if (m_caption.empty()) {
        DrawImage(item->hDC, image, client.right - client.left, client.bottom - client.top);
    } else {
        DrawWithCaption(item->hDC, image, client, look);
    }
}

LRESULT CGDIBitmapBtn::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_MOUSEMOVE:
            return OnMouseMove(wParam, lParam);
        case WM_LBUTTONDOWN:
            return OnLButtonDown(wParam, lParam);
        case WM_KILLFOCUS:
            return OnKillFocus(wParam, lParam);
        case WM_CAPTURECHANGED:
            return OnCaptureChanged(wParam, lParam);
        case WM_ERASEBKGND:
            return TRUE;
        case WM_DESTROY:
            if (m_tooltip) {
                ::DestroyWindow(m_tooltip);
                m_tooltip = nullptr;
            }
            return CButton::HandleMessage(msg, wParam, lParam);
        default:
            return CButton::HandleMessage(msg, wParam, lParam);
    }
}

LRESULT CGDIBitmapBtn::OnMouseMove(WPARAM keys, LPARAM position) {
    const LRESULT result = DefaultProc(WM_MOUSEMOVE, keys, position);
    POINT point{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    POINT screen = point;
    ::ClientToScreen(m_hWnd, &screen);

    MouseMoveFacts facts;
    facts.leftButtonDown = (keys & MK_LBUTTON) != 0;
    facts.hovering = m_hovering != 0;
    facts.holdsCapture = ::GetCapture() == m_hWnd;
    facts.applicationActive = ::GetActiveWindow() != nullptr;
    facts.hasOwnerOrParent = GetOwnerOrParent() != nullptr;
    facts.pointerOverOtherWindow = ::WindowFromPoint(screen) != m_hWnd;
    const MouseMoveActions actions = DecideMouseMove(facts);

    if (actions.startHovering) {
        m_hovering = 1;
        ::SetCapture(m_hWnd);
    }
    if (actions.stopHovering) {
        m_hovering = 0;
    }
    if (actions.releaseCapture) {
        ::ReleaseCapture();
    }
    if (actions.repaint) {
        Repaint();
    }
    if (actions.forwardToParent) {
        HWND parent = ::GetParent(m_hWnd);
        POINT inParent = screen;
        ::ScreenToClient(parent, &inParent);
        ::PostMessageW(parent, WM_MOUSEMOVE, keys, MAKELPARAM(inParent.x, inParent.y));
    }
    return result;
}

LRESULT CGDIBitmapBtn::OnLButtonDown(WPARAM keys, LPARAM position) {
    // A click on an inactive window both activates it and presses the button.
    // The owner or parent may itself be a child (the gesture panel inside the
    // main dialog), which can never be the active window: activate the
    // top-level window it belongs to, which is the owner or parent itself
    // for every top-level dialog.
    HWND target = ::GetAncestor(GetOwnerOrParent(), GA_ROOT);
    if (target && target != ::GetActiveWindow()) {
        ::SetActiveWindow(target);
    }
    return DefaultProc(WM_LBUTTONDOWN, keys, position);
}

LRESULT CGDIBitmapBtn::OnKillFocus(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefaultProc(WM_KILLFOCUS, wParam, lParam);
    m_hovering = 0;
    Repaint();
    return result;
}

LRESULT CGDIBitmapBtn::OnCaptureChanged(WPARAM wParam, LPARAM lParam) {
    if (m_hovering) {
        ::ReleaseCapture();
        Repaint();
    }
    return DefaultProc(WM_CAPTURECHANGED, wParam, lParam);
}

}  // namespace q5::win

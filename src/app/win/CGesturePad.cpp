#include "app/win/CGesturePad.h"

#include <algorithm>

#include "ui/win/SkinFont.h"
#include "ui/win/WideText.h"

namespace q5::win {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
constexpr UINT kFirstButtonId = 100;
constexpr UINT kStatusId = 99;
constexpr UINT_PTR kScriptTimer = 1;
constexpr int kFontHeight = 14;
constexpr int kFaceColor = COLOR_BTNFACE;
constexpr int kFontWeight = 400;
// A script can be no larger than its largest well-formed payload.
constexpr DWORD kMaxPayloadSize =
    kGestureScriptHeaderSize + kGestureScriptEventSize * kMaxScriptEvents;

constexpr char16_t kReadyText[] = u"Click a gesture to send its driver event";

RECT ToRECT(const Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

Rect ToRect(const RECT& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

PadSize FrameSize(PadSize client) {
    RECT frame{0, 0, client.width, client.height};
    ::AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace

CGesturePad::CGesturePad(Fire fire, TextLookup texts) : m_fire(std::move(fire)), m_model(texts) {}

CGesturePad::~CGesturePad() {
    DestroyWindow();
    if (m_font) {
        ::DeleteObject(m_font);
    }
}

bool CGesturePad::Create(HWND owner) {
    const PadSize frame = FrameSize(m_model.clientSize());
    const RECT rect{0, 0, frame.width, frame.height};
    if (!CreateEx(kExStyle, nullptr, kWindowTitle, kStyle, rect, nullptr, 0)) {
        return false;
    }
    // A top-level window's "parent" slot holds its owner: the pad stays
    // above the main window and goes with it.
    ::SetWindowLongPtrW(m_hWnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    // The demo runs elevated, q5tool gesture as the user: Windows keeps
    // WM_COPYDATA from a less privileged process unless the pad lets it in.
    // The pad takes nothing but its strictly checked gesture records.
    ::ChangeWindowMessageFilterEx(m_hWnd, WM_COPYDATA, MSGFLT_ALLOW, nullptr);
    CreateControls();
    PlaceBesideOwner();
    ShowWindow(SW_SHOWNOACTIVATE);
    return true;
}

void CGesturePad::PlaceBesideOwner() {
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    const RECT frame = GetWindowRect();
    RECT ownerRect = frame;
    if (owner) {
        ::GetWindowRect(owner, &ownerRect);
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(owner ? owner : m_hWnd, MONITOR_DEFAULTTONEAREST),
                      &monitor);
    const Rect placed =
        PlaceBeside(ToRect(ownerRect), {frame.right - frame.left, frame.bottom - frame.top},
                    ToRect(monitor.rcWork));
    ::SetWindowPos(m_hWnd, nullptr, placed.left, placed.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CGesturePad::CreateControls() {
    m_font = CreateSkinFont(kFontHeight, kFontWeight);
    const auto& buttons = m_model.buttons();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto button = std::make_unique<CButton>();
        button->Create(Wide(buttons[i].label), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                       ToRECT(buttons[i].rect), this, kFirstButtonId + static_cast<UINT>(i));
        button->SendMessageW(WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
        m_buttons.push_back(std::move(button));
    }
    m_status.Create(Wide(kReadyText), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_ENDELLIPSIS,
                    ToRECT(m_model.statusRect()), this, kStatusId);
    m_status.SendMessageW(WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
}

std::u16string CGesturePad::StatusText() const {
    HWND status = m_status.GetSafeHwnd();
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(status)) + 1, L'\0');
    ::GetWindowTextW(status, text.data(), static_cast<int>(text.size()));
    return FromWide(text.c_str());
}

LRESULT CGesturePad::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COPYDATA:
            return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_ERASEBKGND:
            return OnEraseBackground(reinterpret_cast<HDC>(wParam));
        case WM_CTLCOLORSTATIC:
            return OnStatusColor(reinterpret_cast<HDC>(wParam));
        case WM_DISPLAYCHANGE:
            PlaceBesideOwner();
            return 0;
        default:
            return CWnd::HandleMessage(msg, wParam, lParam);
    }
}

LRESULT CGesturePad::OnEraseBackground(HDC dc) {
    const RECT client = GetClientRect();
    ::FillRect(dc, &client, ::GetSysColorBrush(kFaceColor));
    return TRUE;
}

LRESULT CGesturePad::OnStatusColor(HDC dc) {
    ::SetBkColor(dc, ::GetSysColor(kFaceColor));
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(kFaceColor));
}

BOOL CGesturePad::OnCommand(WPARAM wParam, LPARAM) {
    const UINT id = LOWORD(wParam);
    if (HIWORD(wParam) != BN_CLICKED || id < kFirstButtonId ||
        id - kFirstButtonId >= m_model.buttons().size()) {
        return FALSE;
    }
    FireCodes(m_model.buttons()[id - kFirstButtonId].codes);
    return TRUE;
}

// The payload comes from another process: it is taken only when it is a
// well-formed script of bounded size.
LRESULT CGesturePad::OnCopyData(const COPYDATASTRUCT* data) {
    if (!data || data->dwData != kGestureScriptTag || !data->lpData || data->cbData == 0 ||
        data->cbData > kMaxPayloadSize) {
        return FALSE;
    }
    const auto events = DecodeGestureScript(
        std::span(static_cast<const std::uint8_t*>(data->lpData), data->cbData));
    if (!events) {
        return FALSE;
    }
    m_pending.Append(*events);
    if (!m_timerArmed) {
        ArmScriptTimer();
    }
    return TRUE;
}

void CGesturePad::OnTimer(UINT_PTR id) {
    if (id != kScriptTimer) {
        return;
    }
    KillTimer(kScriptTimer);
    m_timerArmed = false;
    FireCodes(m_pending.TakeDue());
    if (!m_pending.empty()) {
        ArmScriptTimer();
    }
}

// Window timers do not run faster than USER_TIMER_MINIMUM; a shorter pause
// waits that long.
void CGesturePad::ArmScriptTimer() {
    const UINT delay = std::max<UINT>(*m_pending.NextDelay(), USER_TIMER_MINIMUM);
    m_timerArmed = SetTimer(kScriptTimer, delay) != 0;
}

void CGesturePad::FireCodes(const std::vector<std::uint32_t>& codes) {
    for (const std::uint32_t code : codes) {
        const bool accepted = m_fire && m_fire(code);
        m_status.SetWindowTextW(Wide(m_model.StatusText(code, accepted)));
    }
}

}  // namespace q5::win

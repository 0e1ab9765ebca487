#include "ui/win/CWnd.h"

#include "ui/win/CMenu.h"

namespace q5::win {
namespace {

constexpr wchar_t kFrameworkClass[] = L"Q5FrameworkWindow";

}  // namespace

HINSTANCE AppInstance() {
    return ::GetModuleHandleW(nullptr);
}

CWnd::~CWnd() {
    DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    if (!hwnd) {
        return nullptr;
    }
    // A window of another process may be another copy of this program's,
    // whose object lives in that process.
    DWORD process = 0;
    ::GetWindowThreadProcessId(hwnd, &process);
    if (process != ::GetCurrentProcessId()) {
        return nullptr;
    }
    auto* wnd = static_cast<CWnd*>(::GetPropW(hwnd, kObjectProperty));
    return (wnd && wnd->m_hWnd == hwnd) ? wnd : nullptr;
}

const wchar_t* CWnd::RegisterFrameworkClass() {
    static const bool registered = [] {
        WNDCLASSEXW cls{};
        cls.cbSize = sizeof cls;
        cls.lpfnWndProc = &CWnd::StaticWndProc;
        cls.hInstance = AppInstance();
        cls.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        cls.lpszClassName = kFrameworkClass;
        return ::RegisterClassExW(&cls) != 0;
    }();
    return registered ? kFrameworkClass : nullptr;
}

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id) {
    const bool own = className == nullptr;
    HWND created = ::CreateWindowExW(
        exStyle, own ? RegisterFrameworkClass() : className, text, style, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), AppInstance(), own ? this : nullptr);
    if (!created) {
        return false;
    }
    return own ? true : SubclassWindow(created);
}

bool CWnd::SubclassWindow(HWND hwnd) {
    if (!hwnd || m_hWnd) {
        return false;
    }
    Attach(hwnd);
    m_superProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWndProc)));
    return true;
}

void CWnd::Attach(HWND hwnd) {
    m_hWnd = hwnd;
    ::SetPropW(hwnd, kObjectProperty, this);
}

void CWnd::Detach() {
    if (m_hWnd) {
        ::RemovePropW(m_hWnd, kObjectProperty);
        if (m_superProc) {
            ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
        }
    }
    m_hWnd = nullptr;
    m_superProc = nullptr;
}

void CWnd::DestroyWindow() {
    if (m_hWnd) {
        ::DestroyWindow(m_hWnd);
    }
}

LRESULT CALLBACK CWnd::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWnd* self = FromHandle(hwnd);
    if (!self && msg == WM_NCCREATE) {
        self = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self) {
            self->Attach(hwnd);
        }
    }
    if (!self) {
        return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    const LRESULT result = self->HandleMessage(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        self->Detach();
        self->PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (m_superProc) {
        return ::CallWindowProcW(m_superProc, m_hWnd, msg, wParam, lParam);
    }
    return ::DefWindowProcW(m_hWnd, msg, wParam, lParam);
}

LRESULT CWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_DRAWITEM:
            return ReflectDrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        case WM_MEASUREITEM:
            return ReflectMeasureItem(wParam, reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        case WM_COMMAND: {
            LRESULT ignored = 0;
            CWnd* child = FromHandle(reinterpret_cast<HWND>(lParam));
            if (child && child != this && child->OnChildNotify(msg, wParam, lParam, &ignored)) {
                return 0;
            }
            if (OnCommand(wParam, lParam)) {
                return 0;
            }
            break;
        }
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX: {
            LRESULT brush = 0;
            CWnd* child = FromHandle(reinterpret_cast<HWND>(lParam));
            if (child && child != this && child->OnChildNotify(msg, wParam, lParam, &brush)) {
                return brush;
            }
            break;
        }
        case WM_TIMER:
            OnTimer(static_cast<UINT_PTR>(wParam));
            return 0;
        default:
            break;
    }
    return DefaultProc(msg, wParam, lParam);
}

LRESULT CWnd::ReflectDrawItem(DRAWITEMSTRUCT* item) {
    if (item->CtlType == ODT_MENU) {
        if (CMenu* menu = CMenu::FromHandle(reinterpret_cast<HMENU>(item->hwndItem))) {
            menu->DrawItem(item);
            return TRUE;
        }
    } else if (CWnd* child = FromHandle(item->hwndItem)) {
        child->DrawItem(item);
        return TRUE;
    }
    return DefaultProc(WM_DRAWITEM, item->CtlID, reinterpret_cast<LPARAM>(item));
}

LRESULT CWnd::ReflectMeasureItem(WPARAM wParam, MEASUREITEMSTRUCT* item) {
    if (item->CtlType == ODT_MENU) {
        if (CMenu* menu = CMenu::Tracking()) {
            menu->MeasureItem(item);
            return TRUE;
        }
    } else if (CWnd* child = FromHandle(::GetDlgItem(m_hWnd, static_cast<int>(item->CtlID)))) {
        child->MeasureItem(item);
        return TRUE;
    }
    return DefaultProc(WM_MEASUREITEM, wParam, reinterpret_cast<LPARAM>(item));
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

void CWnd::DrawItem(DRAWITEMSTRUCT*) {}

void CWnd::MeasureItem(MEASUREITEMSTRUCT*) {}

BOOL CWnd::OnCommand(WPARAM, LPARAM) {
    return FALSE;
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) {
    return FALSE;
}

void CWnd::OnTimer(UINT_PTR) {}

RECT CWnd::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetWindowRect() const {
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

void CWnd::ModifyStyle(LONG_PTR remove, LONG_PTR add) {
    const LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, (style & ~remove) | add);
}

void CWnd::ModifyStyleEx(LONG_PTR remove, LONG_PTR add) {
    const LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE);
    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, (style & ~remove) | add);
}

HWND CWnd::GetOwnerOrParent() const {
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    return owner ? owner : ::GetParent(m_hWnd);
}

}  // namespace q5::win

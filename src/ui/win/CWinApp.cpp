#include "ui/win/CWinApp.h"

#include <commctrl.h>

#include "ui/win/CWnd.h"

namespace q5::win {
namespace {

CWinApp* g_app = nullptr;

}  // namespace

CWinApp::CWinApp() {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

CWinApp* CWinApp::Current() {
    return g_app;
}

void CWinApp::InitCommonControls() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        return ::InitCommonControlsEx(&init) != FALSE;
    }();
    (void)done;
}

BOOL CWinApp::PreTranslate(MSG* msg) {
    for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        if (CWnd* wnd = CWnd::FromHandle(hwnd); wnd && wnd->PreTranslateMessage(msg)) {
            return TRUE;
        }
        if (!(::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD)) {
            break;
        }
    }
    return FALSE;
}

bool CWinApp::PumpMessage() {
    MSG msg{};
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
        ::PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : -1);
        return false;
    }
    if (!PreTranslate(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return true;
}

int CWinApp::Run() {
    MSG msg{};
    BOOL got;
    while ((got = ::GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        if (!PreTranslate(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return got == 0 ? static_cast<int>(msg.wParam) : -1;
}

}  // namespace q5::win

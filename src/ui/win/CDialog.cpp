#include "ui/win/CDialog.h"

#include "ui/win/CWinApp.h"

namespace q5::win {

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM, LPARAM lParam) {
    if (msg != WM_INITDIALOG) {
        return FALSE;
    }
    auto* self = reinterpret_cast<CDialog*>(lParam);
    self->SubclassWindow(hwnd);
    return self->OnInitDialog();
}

bool CDialog::Create(CWnd* parent) {
    if (parent) {
        m_parent = parent;
    }
    m_modal = false;
    ::CreateDialogParamW(AppInstance(), MAKEINTRESOURCEW(m_templateId),
                         m_parent ? m_parent->GetSafeHwnd() : nullptr, &CDialog::DialogProc,
                         reinterpret_cast<LPARAM>(this));
    return m_hWnd != nullptr;
}

INT_PTR CDialog::DoModal() {
    HWND owner = m_parent ? m_parent->GetSafeHwnd() : nullptr;
    if (!owner && CWinApp::Current() && CWinApp::Current()->m_pMainWnd) {
        owner = CWinApp::Current()->m_pMainWnd->GetSafeHwnd();
    }
    m_modal = true;
    m_running = true;
    m_result = -1;
    ::CreateDialogParamW(AppInstance(), MAKEINTRESOURCEW(m_templateId), owner, &CDialog::DialogProc,
                         reinterpret_cast<LPARAM>(this));
    if (!m_hWnd) {
        m_modal = false;
        return -1;
    }
    const bool disableOwner = owner && ::IsWindowEnabled(owner);
    if (disableOwner) {
        ::EnableWindow(owner, FALSE);
    }
    if (m_running && m_visibleOnStart && !IsWindowVisible()) {
        ShowWindow(SW_SHOW);
    }
    while (m_running && m_hWnd && CWinApp::PumpMessage()) {
    }
    if (disableOwner) {
        ::EnableWindow(owner, TRUE);
    }
    if (m_hWnd) {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    DestroyWindow();
    m_modal = false;
    return m_result;
}

void CDialog::EndDialog(INT_PTR result) {
    m_result = result;
    if (m_modal) {
        m_running = false;
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
    } else {
        DestroyWindow();
    }
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
        return ::IsDialogMessageW(m_hWnd, msg);
    }
    return FALSE;
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM) {
    switch (LOWORD(wParam)) {
        case IDOK:
            OnOK();
            return TRUE;
        case IDCANCEL:
            OnCancel();
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace q5::win

#include "ui/win/CTrayDialog.h"

#include <array>

#include "ui/TrayTip.h"
#include "ui/win/CXPMenu.h"
#include "ui/win/WideText.h"

namespace q5::win {
namespace {

// The whole structure, as the shell of every supported release accepts it.
constexpr DWORD kTrayDataSize = sizeof(NOTIFYICONDATAW);

}  // namespace

CTrayDialog::CTrayDialog(UINT templateId, TextLookup texts, CWnd* parent)
    : CDialog(templateId, parent),
      m_texts(std::move(texts)),
      m_shellNotify(
          [](DWORD message, NOTIFYICONDATAW* data) { return ::Shell_NotifyIconW(message, data); }),
      m_taskbarCreated(::RegisterWindowMessageW(L"TaskbarCreated")) {
    m_placement.length = sizeof m_placement;
}

void CTrayDialog::AddTrayIcon() {
    m_trayData = NOTIFYICONDATAW{};
    m_trayData.cbSize = kTrayDataSize;
    m_trayData.hWnd = m_hWnd;
    m_trayData.uID = kTrayIconId;
    m_trayData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_trayData.uCallbackMessage = kTrayCallbackMessage;
    m_trayData.hIcon = ::LoadIconW(AppInstance(), MAKEINTRESOURCEW(Q5_IDI_APP));
    const std::u16string tip = CutTrayTip(m_texts ? m_texts("tc_mouse_title") : std::u16string());
    tip.copy(reinterpret_cast<char16_t*>(m_trayData.szTip), tip.size());
    // The program runs elevated and the shell does not: Windows keeps the
    // shell's registered "TaskbarCreated" broadcast from elevated windows
    // unless they let it in, and without it the icon would be lost for good
    // when the shell restarts or starts after the program.
    ::ChangeWindowMessageFilterEx(m_hWnd, m_taskbarCreated, MSGFLT_ALLOW, nullptr);
    m_shellNotify(NIM_ADD, &m_trayData);
}

void CTrayDialog::RemoveTrayIcon() {
    m_shellNotify(NIM_DELETE, &m_trayData);
}

void CTrayDialog::SavePlacement() {
    m_placement.length = sizeof m_placement;
    ::GetWindowPlacement(m_hWnd, &m_placement);
}

void CTrayDialog::ShowMainWindow() {
    ModifyStyleEx(WS_EX_TOOLWINDOW, WS_EX_APPWINDOW);
    ShowWindow(SW_HIDE);
    ::Sleep(1);
    ::SetWindowPlacement(m_hWnd, &m_placement);
    ShowWindow(SW_SHOW);
    // Shown at a second start too, whose process passed on its right to
    // bring a window to the front: otherwise it would stay behind.
    ::SetForegroundWindow(m_hWnd);
}

LRESULT CTrayDialog::OnTrayNotify(WPARAM, LPARAM mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONDBLCLK:
            ShowMainWindow();
            break;
        case WM_RBUTTONDOWN:
            ShowTrayMenu();
            break;
        default:
            break;
    }
    return 1;
}

void CTrayDialog::ShowTrayMenu() {
    ::SetForegroundWindow(m_hWnd);
    std::array<XPMenuItem, kTrayMenuEntries.size()> items;
    CXPMenu menu;
    menu.CreatePopupMenu();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const TrayMenuEntry& entry = kTrayMenuEntries[i];
        items[i] = {entry.icon, entry.highlightedIcon,
                    m_texts ? m_texts(entry.textKey) : std::u16string()};
        menu.AppendMenuW(MF_OWNERDRAW, entry.commandId, &items[i]);
    }
    POINT cursor{};
    ::GetCursorPos(&cursor);
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, cursor.x, cursor.y, *this);
    // Without a message after the menu ends, the next right-click on the
    // icon shows the menu and closes it at once.
    PostMessageW(WM_NULL);
    menu.DestroyMenu();
}

BOOL CTrayDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0) {
        switch (LOWORD(wParam)) {
            case IDOK:
                ShowMainWindow();
                return TRUE;
            case IDCANCEL:
                PostMessageW(WM_CLOSE);
                return TRUE;
            default:
                break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

LRESULT CTrayDialog::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kTrayCallbackMessage) {
        return OnTrayNotify(wParam, lParam);
    }
    if (msg == m_taskbarCreated) {
        // The shell restarted and forgot the icon.
        m_shellNotify(NIM_ADD, &m_trayData);
        return 0;
    }
    return CDialog::HandleMessage(msg, wParam, lParam);
}

}  // namespace q5::win

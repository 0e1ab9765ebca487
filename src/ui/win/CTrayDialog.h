/*
 * A dialog that lives behind a notification-area icon: it adds the icon,
 * shows itself on the icon's double click, opens the two-item owner-drawn
 * menu on a right click (show the window, end the program), adds the icon
 * again when the shell restarts (TaskbarCreated) and removes it on request.
 * The main dialog derives from it; its WM_CLOSE ends the program.
 */
#pragma once

#include <functional>
#include <string>

// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include "ui/TextLookup.h"
#include "ui/win/CDialog.h"

namespace q5::win {

class CTrayDialog : public CDialog {
public:
    // The shell call; tests put a recorder in its place.
    using ShellNotify = std::function<BOOL(DWORD message, NOTIFYICONDATAW* data)>;

    CTrayDialog(UINT templateId, TextLookup texts, CWnd* parent = nullptr);

    void SetShellNotify(ShellNotify notify) { m_shellNotify = std::move(notify); }

    // Fills the icon data (tip: the text of tc_mouse_title) and adds the icon.
    void AddTrayIcon();
    void RemoveTrayIcon();
    LRESULT OnTrayNotify(WPARAM iconId, LPARAM mouseMessage);
    void ShowMainWindow();
    // Remembers where the window stands, for ShowMainWindow.
    void SavePlacement();

    const NOTIFYICONDATAW& TrayData() const { return m_trayData; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Menu commands: IDOK shows the window, IDCANCEL posts WM_CLOSE.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    TextLookup m_texts;

private:
    void ShowTrayMenu();

    ShellNotify m_shellNotify;
    NOTIFYICONDATAW m_trayData{};
    WINDOWPLACEMENT m_placement{};
    UINT m_taskbarCreated;
};

}  // namespace q5::win

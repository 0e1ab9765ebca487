/*
 * A dialog built from a dialog template in the resources. DoModal runs it
 * in its own message loop with the owner disabled and returns the value
 * given to EndDialog; Create makes it a modeless (usually child) window.
 * The dialog window is subclassed at WM_INITDIALOG, so it receives its
 * messages through HandleMessage like every other framework window.
 */
#pragma once

#include "ui/win/CWnd.h"

namespace q5::win {

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    INT_PTR DoModal();
    bool Create(CWnd* parent);
    void EndDialog(INT_PTR result);

    // Keyboard navigation of the dialog (Enter, Escape) for its messages.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // IDOK and IDCANCEL end the dialog.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    bool IsModal() const { return m_modal; }

    // DoModal shows the dialog after OnInitDialog; a dialog that starts
    // hidden (behind a notification icon) clears this in its constructor.
    bool m_visibleOnStart = true;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    CWnd* m_parent;
    bool m_modal = false;
    bool m_running = false;
    INT_PTR m_result = -1;
};

}  // namespace q5::win

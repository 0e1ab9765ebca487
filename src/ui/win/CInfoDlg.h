/*
 * The program's own skinned message box: a dark-titled face with a warning
 * sign, the message, OK, Cancel and a close cross. Always modal; returns
 * IDOK for OK (or Enter) and IDCANCEL for Cancel, the cross or Escape.
 */
#pragma once

#include <string>

#include "ui/TextLookup.h"
#include "ui/win/CDialog.h"
#include "ui/win/CGDIBitmapBtn.h"
#include "ui/win/SkinFaces.h"

namespace q5::win {

// The information dialog's window text; closing the main window closes it.
inline constexpr wchar_t kInfoDialogTitle[] = L"KorvoZ100InfoDlg";

class CInfoDlg : public CDialog {
public:
    explicit CInfoDlg(TextLookup texts, CWnd* parent = nullptr);
    ~CInfoDlg() override;

    std::u16string m_message;

    // For tests and the screenshot harness.
    CGDIBitmapBtn& OkButton() { return m_ok; }
    CGDIBitmapBtn& CancelButton() { return m_cancel; }
    CGDIBitmapBtn& CloseButton() { return m_close; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnPaint();
    void CreateButtons();

    TextLookup m_texts;
    SkinFaces m_faces;
    CGDIBitmapBtn m_close;
    CGDIBitmapBtn m_ok;
    CGDIBitmapBtn m_cancel;
};

// Runs the information dialog with `message`, owned by the application's
// main window; IDOK or IDCANCEL.
INT_PTR ShowInfoDialog(const std::u16string& message, const TextLookup& texts);

}  // namespace q5::win

/*
 * The combination-key dialog: the user presses a key combination anywhere
 * on the keyboard; the keyboard hook library reports every key to this
 * window, ComboCapture collects the combination, and the dialog shows it as
 * text. OK returns IDOK and Result() holds the modifier mask, first key and
 * second key; Cancel, the cross and WM_CLOSE return IDCANCEL. Enter, Esc,
 * Space and Alt+F4 are captured like any other key and neither press a
 * button nor close the dialog.
 */
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "editors/ComboCapture.h"
#include "editors/win/HookLibrary.h"
#include "platform/win/WinInput.h"
#include "ui/TextLookup.h"
#include "ui/win/CDialog.h"
#include "ui/win/CGDIBitmapBtn.h"
#include "ui/win/SkinFaces.h"

namespace q5::win {

class CComBoDlg : public CDialog {
public:
    // The window text by which the main window finds the open dialog.
    static constexpr wchar_t kWindowText[] = L"Q5ComboDlg";

    // `programFolder` is where KBGetKey.dll lies (the executable's folder).
    CComBoDlg(TextLookup texts, std::wstring programFolder, CWnd* parent = nullptr);
    ~CComBoDlg() override;

    // Modifier mask, first key, second key; all 0 when nothing was captured.
    std::array<std::uint8_t, 3> Result() const { return m_capture.Result(); }

    // For tests: the controls, whether the hook library is loaded, and the
    // combination text that the last painting drew.
    CGDIBitmapBtn& OkButton() { return m_ok; }
    CGDIBitmapBtn& CancelButton() { return m_cancel; }
    CGDIBitmapBtn& CloseButton() { return m_close; }
    bool HookLoaded() const { return m_hook.IsLoaded(); }
    const std::u16string& DrawnCombination() const { return m_drawnCombination; }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnPaint();
    LRESULT OnKeyReport(WPARAM key, LPARAM flags);
    LRESULT OnLButtonDown(LPARAM position);
    void OnDestroy();
    void PlaceWindow();
    void CreateButtons();
    std::u16string Text(const char* key) const;

    TextLookup m_texts;
    std::wstring m_programFolder;
    SkinFaces m_faces;
    CGDIBitmapBtn m_ok;
    CGDIBitmapBtn m_cancel;
    CGDIBitmapBtn m_close;
    HookLibrary m_hook;
    ComboCapture m_capture;
    WinInput m_input;
    std::u16string m_drawnCombination;
};

}  // namespace q5::win

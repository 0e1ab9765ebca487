/*
 * The macro editor window: the list of macros on the left (names edited in
 * place after a double-click), the recorded events of the selected macro
 * in the middle, and the buttons New, Delete, Record, the loop and delay
 * boxes, the repeat count field, OK, Cancel and the close cross, all drawn
 * from the editor's three face pictures. Its decisions are MacroEditor's;
 * the window forwards the user's input and the hook library's key reports
 * (kKeyReport) there and shows the state it reads back.
 *
 * The window text "Q5MacroDlg" lets the main window find an open editor
 * and close it with WM_CLOSE, which counts as Cancel.
 */
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editors/HookSwitch.h"
#include "editors/MacroEditor.h"
#include "editors/win/CListBoxEx.h"
#include "model/SettingsStore.h"
#include "platform/win/WinClock.h"
#include "platform/win/WinDialogs.h"
#include "platform/win/WinInput.h"
#include "ui/TextLookup.h"
#include "ui/win/CDialog.h"
#include "ui/win/CEdit.h"
#include "ui/win/CGDIBitmapBtn.h"
#include "ui/win/SkinFaces.h"

namespace q5::win {

class CDlgMacro : public CDialog {
public:
    // One key report of the keyboard hook library: wParam the key code,
    // lParam the flags (0x80: released).
    static constexpr UINT kKeyReport = 0x40A;
    static constexpr UINT_PTR kLoopTimer = 66;
    static constexpr UINT kLoopTimerPeriod = 1000;
    static constexpr UINT kNameListId = 256;
    static constexpr UINT kEventListId = 257;

    // texts: the language table's texts. programFolder: the executable's
    // folder (the hook library and skins\macro lie there). preselectedMacro:
    // the macro number of the slot being edited, selected when the editor
    // opens and the result while the user selects nothing else. parent: the
    // window to centre over and own the editor (null: the application's main
    // window owns it, centred on the screen). settings: the macro table that
    // OK saves and the working copy of the assignment, whose macro numbers
    // OK renumbers after deletions.
    CDlgMacro(TextLookup texts, std::wstring programFolder, int preselectedMacro, CWnd* parent,
              SettingsStore& settings);
    ~CDlgMacro() override;

    // After IDOK: the macro to assign to the slot, -1 for none.
    int ChosenMacro() const;

    // Replaces the hook library by another switch of the key reports (tests
    // that post the reports themselves); call before DoModal.
    void UseHookSwitch(HookSwitch& hook) { m_hook = &hook; }

    BOOL PreTranslateMessage(MSG* msg) override;

    // The editor's state and controls, for tests.
    const MacroEditor* Editor() const { return m_editor ? &*m_editor : nullptr; }
    CListBoxEx& NameList() { return m_names; }
    CListBoxEx& EventList() { return m_events; }
    CEdit& CountField() { return m_count; }
    CGDIBitmapBtn& OkButton() { return m_ok; }
    CGDIBitmapBtn& CancelButton() { return m_cancel; }
    CGDIBitmapBtn& CloseButton() { return m_close; }
    CGDIBitmapBtn& NewButton() { return m_new; }
    CGDIBitmapBtn& DeleteButton() { return m_delete; }
    CGDIBitmapBtn& RecordButton() { return m_record; }
    CGDIBitmapBtn& LoopBox() { return m_loopBox; }
    CGDIBitmapBtn& DelayBox() { return m_delayBox; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnCancel() override;
    void OnTimer(UINT_PTR id) override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void PlaceWindow();
    void CreateButtons();
    void CreateLists();
    void SetUpCountField();
    LRESULT OnPaint();
    LRESULT OnCountColor(HDC dc, HWND control);
    void OnButton(HWND button);
    void OnCountNotify(UINT code);
    void OnDestroy();
    // Shows the editor's state in the controls.
    void Sync();
    void SyncNames();
    void SyncEvents();
    void SyncCount();

    TextLookup m_texts;
    std::wstring m_folder;
    int m_preselected;
    SettingsStore& m_settings;
    WinClock m_clock;
    WinInput m_input;
    WinDialogs m_dialogs;
    NoHookSwitch m_noHook;
    HookSwitch* m_hook = &m_noHook;
    std::optional<MacroEditor> m_editor;

    SkinFaces m_faces;
    HBRUSH m_countBrush = nullptr;
    CGDIBitmapBtn m_ok;
    CGDIBitmapBtn m_cancel;
    CGDIBitmapBtn m_close;
    CGDIBitmapBtn m_new;
    CGDIBitmapBtn m_delete;
    CGDIBitmapBtn m_record;
    CGDIBitmapBtn m_loopBox;
    CGDIBitmapBtn m_delayBox;
    CListBoxEx m_names;
    CListBoxEx m_events;
    CEdit m_count;

    // What the controls show, to change only what the editor changed.
    std::vector<std::u16string> m_shownNames;
    std::vector<ListItem> m_shownEvents;
    std::u16string m_shownRecordCaption;
    bool m_timerRunning = false;
    bool m_settingCount = false;
};

}  // namespace q5::win

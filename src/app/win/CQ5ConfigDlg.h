/*
 * The main window: the mouse, the thirteen slot buttons with the names of
 * their functions, the gesture picture panel, and Apply and Reset. It lives
 * hidden behind the notification icon for the whole run, receives the
 * driver's events and performs them, keeps the driver configured, and lets
 * the user assign functions to the slots.
 *
 * The decisions live in portable classes (SlotSelection, AssignmentEditor,
 * DisplayText, GestureEngine); this window creates the controls, forwards
 * clicks and messages to them and shows their state.
 */
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/AssignmentEditor.h"
#include "app/DisplayText.h"
#include "app/GestureEngine.h"
#include "app/SlotSelection.h"
#include "device/CUSBDriver.h"
#include "device/DevicePresence.h"
#include "model/SettingsStore.h"
#include "ui/win/CGDIBitmapBtn.h"
#include "ui/win/CMouseBmp.h"
#include "ui/win/CTrayDialog.h"
#include "ui/win/SkinFaces.h"

#include "ui/win/CDlgHand1.h"
#include "ui/win/MenuLibrary.h"

namespace q5::win {

// The main window's title; a second start looks for it.
inline constexpr wchar_t kMainWindowTitle[] = L"Korvo Q5 Mouse Driver";
// Titles of the editors that closing the main window closes too.
inline constexpr wchar_t kMacroEditorTitle[] = L"Q5MacroDlg";
inline constexpr wchar_t kComboDialogTitle[] = L"Q5ComboDlg";

class CQ5ConfigDlg : public CTrayDialog, private AssignmentDialogs {
public:
    // The single buttons, in the order they are created.
    enum class Single { Minimise, Close, Apply, Reset, PageLeft, PageRight, Function, Restore };
    static constexpr std::size_t kSingleCount = 8;

    CQ5ConfigDlg(Platform platform, TextLookup texts, std::wstring programFolder,
                 CWnd* parent = nullptr);
    ~CQ5ConfigDlg() override;

    // The demo shows the window at start instead of hiding it.
    void ShowAtStart(bool show) { m_showAtStart = show; }
    // Called once the window is initialised (the demo opens its pad there).
    using ReadyHook = std::function<void(CQ5ConfigDlg&)>;
    void SetReadyHook(ReadyHook hook) { m_onReady = std::move(hook); }

    SettingsStore& Store() { return m_store; }
    const SlotSelection& Selection() const { return m_selection; }
    CGDIBitmapBtn& SingleButton(Single which) { return m_singles[static_cast<std::size_t>(which)]; }
    CGDIBitmapBtn& SlotButton(int slot) { return m_slots.at(static_cast<std::size_t>(slot)); }
    CMouseBmp& MousePicture() { return m_mouse; }
    const TextLookup& Texts() const { return m_texts; }
    CUSBDriver& Driver() { return m_driver; }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnTimer(UINT_PTR id) override;

private:
    // Initialisation.
    void SetIcons();
    void LoadMenuLibrary();
    void LayOut();
    void LoadSkins();
    void CentreOnScreen();
    void CreateButtons();
    void CreatePanel();
    void StartDevice();
    void HideToTray();
    void SetSlotCaptionsFromNames();

    // Commands and messages.
    bool OnButton(HWND button);
    void OnSlotButton(int slot);
    void OnPageButton(int page);
    void OnFunctionButton();
    void OnRestoreDefault();
    void OnReset();
    void SetSelectedSlot(int slot, int flag);
    void AssignFunction(std::uint16_t item, std::uint16_t top);
    void ShowSlotText(int slot, const std::u16string& text);
    void ShowSelection();
    void RefreshSlotTexts();
    void CloseFunctionMenu();
    LRESULT OnPaint();
    void PaintTexts(HDC dc);
    void OnClose();

    // AssignmentDialogs: the windows an assignment opens.
    std::optional<Combination> EditCombination() override;
    std::optional<std::uint8_t> EditMacro(std::uint8_t preselected) override;
    void RefuseLeftClick() override;

    Platform m_platform;
    std::wstring m_programFolder;
    HICON m_icon = nullptr;
    CMouseBmp m_mouse;
    CUSBDriver m_driver;
    SkinFaces m_faces;  // normal, highlight, pressed
    std::array<CGDIBitmapBtn, kSingleCount> m_singles;
    std::array<CGDIBitmapBtn, kSlotCount> m_slots;
    std::unique_ptr<CDlgHand1> m_panel;
    MenuLibrary m_menu;
    SettingsStore m_store;
    DisplayText m_text;
    AssignmentEditor m_editor;
    SlotSelection m_selection;
    GestureEngine m_engine;
    std::unique_ptr<DevicePresence> m_presence;
    bool m_showAtStart = false;
    ReadyHook m_onReady;
};

}  // namespace q5::win

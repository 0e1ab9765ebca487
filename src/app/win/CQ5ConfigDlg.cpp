#include "app/win/CQ5ConfigDlg.h"

#include "device/win/BroadcastRecord.h"
#include "model/GestureSlots.h"
#include "platform/win/WinHandles.h"
#include "ui/DialogKeys.h"
#include "ui/FunctionMenu.h"
#include "ui/ResourceIds.h"
#include "ui/SkinLayout.h"
#include "ui/win/CInfoDlg.h"
#include "ui/win/ProgramVersion.h"
#include "ui/win/SkinFaces.h"
#include "ui/win/SkinFont.h"

#include "editors/win/CComBoDlg.h"
#include "editors/win/CDlgMacro.h"

namespace q5::win {
namespace {

constexpr COLORREF kPaintedTextColour = 0x373738;
constexpr UINT kPaintedTextFormat = 0x8134;
constexpr int kPaintedTextHeight = 14;
constexpr int kPaintedTextWeight = 300;
// Where the selected slot's two names are painted; repainted on change.
constexpr RECT kSlotNamesArea{115, 177, 273, 212};

struct SingleButtonPlace {
    Rect rect;
    const char* captionKey;  // null: no caption
    bool tooltip;
    bool hidden;
};

constexpr std::array<SingleButtonPlace, CQ5ConfigDlg::kSingleCount> kSingleButtons{{
    {skin::kMainMinimiseButton, nullptr, false, false},
    {skin::kMainCloseButton, nullptr, false, false},
    {skin::kMainApplyButton, "tc_apply", true, false},
    {skin::kMainResetButton, "tc_reset", true, false},
    {skin::kMainPageLeftButton, nullptr, false, false},
    {skin::kMainPageRightButton, nullptr, false, false},
    {skin::kMainFunctionButton, "tc_menu", false, true},
    {skin::kMainRestoreButton, "tc_reset", true, true},
}};

// The captions of the slot buttons until the stored names replace them.
constexpr std::array<const char*, kSlotCount> kSlotCaptionKeys{"tc_click",
                                                               "tc_menu",
                                                               "tc_middle",
                                                               "tc_scrollup",
                                                               "tc_scrolldw",
                                                               "tc_win8_charms",
                                                               "tc_win8_warechange",
                                                               "tc_min_win",
                                                               "tc_max_win",
                                                               "tc_win8_desktop",
                                                               "tc_show",
                                                               "tc_forward",
                                                               "tc_back"};

constexpr CaptionColors kCaptionColours{Rgb(55, 55, 55), Rgb(66, 66, 66), Rgb(55, 55, 55)};

}  // namespace

CQ5ConfigDlg::CQ5ConfigDlg(Platform platform, TextLookup texts, std::wstring programFolder,
                           CWnd* parent)
    : CTrayDialog(Q5_IDD_MAIN, std::move(texts), parent),
      m_platform(platform),
      m_programFolder(std::move(programFolder)),
      m_icon(::LoadIconW(AppInstance(), MAKEINTRESOURCEW(Q5_IDI_APP))),
      m_driver(platform),
      m_store(platform.registry, platform.dialogs),
      m_text(m_texts, m_store.macros(), platform.input),
      m_editor(m_store, m_text),
      m_selection(m_store.names(),
                  [this](int slot) { return m_text.Label(FactoryCodeOfSlot(slot)); }),
      m_engine(platform, m_store, m_texts ? m_texts("tc_mouse_title") : std::u16string()) {
    // The window starts hidden behind the notification icon.
    m_visibleOnStart = false;
}

CQ5ConfigDlg::~CQ5ConfigDlg() = default;

BOOL CQ5ConfigDlg::OnInitDialog() {
    CTrayDialog::OnInitDialog();
    SetIcons();
    SetWindowTextW(kMainWindowTitle);
    LoadMenuLibrary();
    AddTrayIcon();
    LayOut();
    m_editor.ResetToFactory();
    m_store.LoadSettings();
    SetSlotCaptionsFromNames();
    StartDevice();
    SavePlacement();
    HideToTray();
    m_store.Activate();
    if (m_showAtStart) {
        ShowMainWindow();
    }
    if (m_onReady) {
        m_onReady(*this);
    }
    return TRUE;
}

void CQ5ConfigDlg::SetIcons() {
    SendMessageW(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessageW(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
}

void CQ5ConfigDlg::LoadMenuLibrary() {
    // Only the copy beside the executable: the program runs elevated.
    if (!m_menu.Load(m_programFolder)) {
        PostMessageW(WM_CLOSE);
    }
}

void CQ5ConfigDlg::LayOut() {
    m_mouse.SubclassWindow(::GetDlgItem(m_hWnd, Q5_IDC_MOUSE_PICTURE));
    LoadSkins();
    CentreOnScreen();
    CreateButtons();
    CreatePanel();
}

void CQ5ConfigDlg::LoadSkins() {
    m_faces.Load(Q5_IDB_MAIN_NORMAL, Q5_IDB_MAIN_HIGHLIGHT, Q5_IDB_MAIN_PRESSED);
}

void CQ5ConfigDlg::CentreOnScreen() {
    // The window takes the size of the normal face alone.
    const SIZE size = m_faces.Size(SIZE{0, 0});
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    MoveWindow((screenWidth - size.cx) / 2, (screenHeight - size.cy) / 2, size.cx, size.cy, TRUE);
}

void CQ5ConfigDlg::CreateButtons() {
    for (std::size_t i = 0; i < kSingleButtons.size(); ++i) {
        const SingleButtonPlace& place = kSingleButtons[i];
        CGDIBitmapBtn& button = m_singles[i];
        m_faces.CreateButton(button, place.rect, this);
        if (place.captionKey) {
            const std::u16string caption = m_texts ? m_texts(place.captionKey) : std::u16string();
            button.SetCaption(caption);
            button.m_textColors = kCaptionColours;
            if (place.tooltip) {
                button.SetTooltip(caption.c_str());
            }
        }
        if (place.hidden) {
            button.ShowWindow(SW_HIDE);
        }
    }
    // A slot shows the orange highlight while held down or selected.
    for (int slot = 0; slot < kSlotCount; ++slot) {
        CGDIBitmapBtn& button = SlotButton(slot);
        const RECT rect = ToRect(skin::kMainSlotButtons[static_cast<std::size_t>(slot)]);
        button.Create(rect, this);
        button.SetStateImages(m_faces.Normal(), m_faces.Pressed(), m_faces.Hover(),
                              m_faces.Normal(), rect);
        const std::u16string caption =
            m_texts ? m_texts(kSlotCaptionKeys[static_cast<std::size_t>(slot)]) : std::u16string();
        button.SetCaption(caption);
        button.m_textColors = kCaptionColours;
        button.SetTooltip(caption.c_str());
    }
}

void CQ5ConfigDlg::CreatePanel() {
    m_panel = std::make_unique<CDlgHand1>(m_texts, this);
    m_panel->Create(this);
    m_panel->ShowWindow(SW_SHOW);
    const Rect& where = skin::kMainPanel;
    m_panel->MoveWindow(where.left, where.top, where.right - where.left, where.bottom - where.top,
                        TRUE);
}

void CQ5ConfigDlg::SetSlotCaptionsFromNames() {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const std::u16string name = m_store.names().name(slot);
        SlotButton(slot).SetCaption(name);
        SlotButton(slot).SetTooltip(name.c_str());
    }
}

void CQ5ConfigDlg::StartDevice() {
    const WindowHandle self = FromHwnd(m_hWnd);
    m_driver.StartDriverThread(self);
    m_presence = std::make_unique<DevicePresence>(m_platform, m_driver, self, m_store.working());
    m_presence->Connect();
    m_presence->RegisterForArrival();
}

void CQ5ConfigDlg::HideToTray() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ::GetWindowPlacement(m_hWnd, &placement);
    placement.flags = WPF_RESTORETOMAXIMIZED;
    placement.showCmd = SW_HIDE;
    ::SetWindowPlacement(m_hWnd, &placement);
    ModifyStyleEx(WS_EX_APPWINDOW, WS_EX_TOOLWINDOW);
}

BOOL CQ5ConfigDlg::PreTranslateMessage(MSG* msg) {
    // Neither may the keyboard press a button nor end the program: the
    // dialog manager would turn Enter and Escape into the commands of the
    // notification menu.
    if (IsDialogCommandKey(msg->message, msg->wParam)) {
        return TRUE;
    }
    return CTrayDialog::PreTranslateMessage(msg);
}

LRESULT CQ5ConfigDlg::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT:
            return OnPaint();
        case WM_ERASEBKGND:
        case WM_HELP:
            return TRUE;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<LRESULT>(m_icon);
        case WM_LBUTTONDOWN:
            // Dragging anywhere moves the borderless window.
            PostMessageW(WM_NCLBUTTONDOWN, HTCAPTION, lParam);
            CloseFunctionMenu();
            return DefaultProc(msg, wParam, lParam);
        case WM_CLOSE:
            OnClose();
            return 0;
        case CDlgHand1::kSlotMessage:
            SetSelectedSlot(static_cast<int>(wParam), static_cast<int>(lParam));
            return 1;
        case kMenuChoiceMessage:
            CloseFunctionMenu();
            AssignFunction(LOWORD(wParam), LOWORD(lParam));
            return DefaultProc(msg, wParam, lParam);
        case kDriverEventMessage:
            m_engine.OnDeviceEvent(static_cast<std::uint32_t>(wParam));
            return 0;
        case WM_DEVICECHANGE:
            return m_presence ? m_presence->OnDeviceChange(wParam, BroadcastRecord(wParam, lParam))
                              : TRUE;
        default:
            return CTrayDialog::HandleMessage(msg, wParam, lParam);
    }
}

void CQ5ConfigDlg::OnTimer(UINT_PTR id) {
    if (m_presence) {
        m_presence->OnTimer(id);
    }
    CTrayDialog::OnTimer(id);
}

BOOL CQ5ConfigDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    CloseFunctionMenu();
    if (lParam != 0 && OnButton(reinterpret_cast<HWND>(lParam))) {
        return TRUE;
    }
    return CTrayDialog::OnCommand(wParam, lParam);
}

bool CQ5ConfigDlg::OnButton(HWND button) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (SlotButton(slot).GetSafeHwnd() == button) {
            OnSlotButton(slot);
            return true;
        }
    }
    std::size_t which = 0;
    while (which < m_singles.size() && m_singles[which].GetSafeHwnd() != button) {
        ++which;
    }
    switch (static_cast<Single>(which)) {
        case Single::Minimise:
            ShowWindow(SW_MINIMIZE);
            return true;
        case Single::Close:
            ShowWindow(SW_HIDE);
            return true;
        case Single::Apply:
            m_editor.Apply(*m_presence, FromHwnd(m_hWnd));
            return true;
        case Single::Reset:
            OnReset();
            return true;
        case Single::PageLeft:
            OnPageButton(0);
            return true;
        case Single::PageRight:
            OnPageButton(1);
            return true;
        case Single::Function:
            OnFunctionButton();
            return true;
        case Single::Restore:
            OnRestoreDefault();
            return true;
        default:
            return false;
    }
}

void CQ5ConfigDlg::OnSlotButton(int slot) {
    const SlotSelection::PanelRequest request = m_selection.ClickSlotButton(slot);
    ShowSelection();
    m_panel->ShowPage(request.page);
    m_panel->SelectSlot(request.slot, request.latched);
}

void CQ5ConfigDlg::OnPageButton(int page) {
    m_panel->ShowPage(page);
    SetSelectedSlot(SlotSelection::kNoSlot, 0);
}

void CQ5ConfigDlg::OnFunctionButton() {
    ShowFunctionMenu(m_menu, *this, m_texts, m_programFolder);
}

void CQ5ConfigDlg::CloseFunctionMenu() {
    m_menu.Destroy();
}

void CQ5ConfigDlg::OnRestoreDefault() {
    const int slot = m_selection.selected();
    if (!SlotSelection::IsSlot(slot)) {
        return;
    }
    ShowSlotText(slot, m_editor.RestoreDefault(slot));
    RefreshSlotTexts();
}

void CQ5ConfigDlg::OnReset() {
    const std::u16string question = m_texts ? m_texts("tc_reinfo") : std::u16string();
    // The program may have started closing while the question was open.
    if (ShowInfoDialog(question, m_texts) != IDOK || m_editor.closed()) {
        return;
    }
    m_editor.ResetToFactory();
    SetSlotCaptionsFromNames();
    RefreshSlotTexts();
    m_selection.SetFunctionCaption(m_selection.currentNameText());
    SingleButton(Single::Function).SetCaption(m_selection.functionCaption());
    m_editor.Apply(*m_presence, FromHwnd(m_hWnd));
}

void CQ5ConfigDlg::SetSelectedSlot(int slot, int flag) {
    m_selection.SetSelectedSlot(slot, flag);
    ShowSelection();
}

void CQ5ConfigDlg::ShowSelection() {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SlotButton(slot).SetLatched(m_selection.IsLatched(slot));
    }
    const bool functionShown = m_selection.FunctionShown();
    SingleButton(Single::Function).SetCaption(m_selection.functionCaption());
    SingleButton(Single::Function).ShowWindow(functionShown ? SW_SHOW : SW_HIDE);
    SingleButton(Single::Restore).ShowWindow(functionShown ? SW_SHOW : SW_HIDE);
    m_mouse.ShowWindow(functionShown ? SW_HIDE : SW_SHOW);
    if (m_selection.HasSlot()) {
        ::InvalidateRect(m_hWnd, &kSlotNamesArea, TRUE);
    }
}

void CQ5ConfigDlg::RefreshSlotTexts() {
    if (m_selection.RefreshSlotTexts()) {
        ::InvalidateRect(m_hWnd, &kSlotNamesArea, TRUE);
    }
}

void CQ5ConfigDlg::AssignFunction(std::uint16_t item, std::uint16_t top) {
    const int slot = m_selection.selected();
    const std::optional<std::u16string> text = m_editor.AssignFunction(slot, item, top, *this);
    if (!text) {
        return;
    }
    ShowSlotText(slot, *text);
    RefreshSlotTexts();
}

void CQ5ConfigDlg::ShowSlotText(int slot, const std::u16string& text) {
    m_selection.SetFunctionCaption(text);
    SingleButton(Single::Function).SetCaption(text);
    SlotButton(slot).SetCaption(text);
    SlotButton(slot).SetTooltip(text.c_str());
}

std::optional<Combination> CQ5ConfigDlg::EditCombination() {
    CComBoDlg dialog(m_texts, m_programFolder, this);
    if (dialog.DoModal() != IDOK) {
        return std::nullopt;
    }
    const std::array<std::uint8_t, 3> keys = dialog.Result();
    return Combination{keys[0], keys[1], keys[2]};
}

std::optional<std::uint8_t> CQ5ConfigDlg::EditMacro(std::uint8_t preselected) {
    CDlgMacro dialog(m_texts, m_programFolder, preselected, this, m_store);
    if (dialog.DoModal() != IDOK || dialog.ChosenMacro() < 0) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(dialog.ChosenMacro());
}

void CQ5ConfigDlg::RefuseLeftClick() {
    ShowInfoDialog(m_texts ? m_texts("tc_msg1") : std::u16string(), m_texts);
}

LRESULT CQ5ConfigDlg::OnPaint() {
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    if (::IsIconic(m_hWnd)) {
        const RECT client = GetClientRect();
        ::DrawIcon(dc, (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2,
                   (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2, m_icon);
    } else if (m_faces.Normal()) {
        m_faces.PaintNormal(dc);
        PaintTexts(dc);
    }
    ::EndPaint(m_hWnd, &paint);
    return 0;
}

void CQ5ConfigDlg::PaintTexts(HDC dc) {
    const SkinTextStyle style(dc, kPaintedTextHeight, kPaintedTextWeight, kPaintedTextColour);
    const auto draw = [&style](const std::u16string& text, const Rect& where) {
        style.Draw(text, ToRect(where), kPaintedTextFormat);
    };
    const auto text = [this](const char* key) { return m_texts ? m_texts(key) : std::u16string(); };
    // The language file names the version; without it, the executable's
    // own version resource does.
    std::u16string version = text("tc_version");
    if (version.empty()) {
        version = ProgramVersionText();
    }
    draw(version, Rect{13, 443, 283, 458});
    draw(text("tc_default_value"), Rect{59, 177, 109, 192});
    draw(text("tc_setting_value"), Rect{59, 197, 109, 212});
    draw(m_selection.defaultNameText(), Rect{115, 177, 273, 192});
    draw(m_selection.currentNameText(), Rect{115, 197, 273, 212});
}

void CQ5ConfigDlg::OnClose() {
    // A dialog still open returns after this; whatever it asked for is
    // neither applied nor saved.
    m_editor.Close();
    m_faces.Free();
    m_panel.reset();
    // WM_CLOSE cancels each of them.
    for (const wchar_t* title : {kMacroEditorTitle, kComboDialogTitle, kInfoDialogTitle}) {
        if (HWND editor = ::FindWindowW(nullptr, title)) {
            ::PostMessageW(editor, WM_CLOSE, 0, 0);
        }
    }
    RemoveTrayIcon();
    // Nothing is saved. The dialog manager's own handling of WM_CLOSE is
    // skipped: it would come back as the notification menu's exit command.
    OnCancel();
}

}  // namespace q5::win

#include "editors/win/CDlgMacro.h"

#include <array>

#include "ui/DialogKeys.h"
#include "ui/ResourceIds.h"
#include "ui/SkinLayout.h"
#include "ui/win/SkinFont.h"
#include "ui/win/WideText.h"

namespace q5::win {
namespace {

constexpr wchar_t kWindowText[] = L"Q5MacroDlg";
constexpr CaptionColors kButtonText{0x373737, 0x424242, 0x373737};
constexpr COLORREF kFaceTextColor = 0x373737;
constexpr int kFaceFontHeight = 14;
constexpr int kFaceFontWeight = 300;
constexpr UINT kFaceTextFormat =
    DT_VCENTER | DT_WORDBREAK | DT_SINGLELINE | DT_NOCLIP | DT_END_ELLIPSIS;
constexpr DWORD kListStyle =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;
constexpr COLORREF kListSelectedBackground = 0xB0B0AF;
constexpr COLORREF kListBackground = 0xC4C4C3;
constexpr COLORREF kListText = 0x594538;
constexpr COLORREF kListSelectedText = 0x248DEB;
constexpr short kListItemHeight = 18;
constexpr RECT kCountPlace{312, 55, 312 + 31, 55 + 17};
constexpr int kCountLimit = 2;
constexpr COLORREF kCountText = 0x248DEB;
constexpr COLORREF kCountBackground = 0xC3C3C4;

// The texts painted on the face, with where they go.
struct FaceText {
    const char* key;
    Rect where;
};
constexpr std::array<FaceText, 5> kFaceTexts{{
    {"tc_macro_editor", {5, 2, 120, 22}},
    {"tc_macro_list", {21, 43, 108, 57}},
    {"tc_macro_panel", {117, 43, 229, 57}},
    {"tc_macro_loop", {255, 58, 312, 70}},
    {"tc_macro_delay", {255, 81, 350, 92}},
}};

std::wstring AsWide(const std::u16string& text) {
    return std::wstring(Wide(text));
}

std::u16string TextOf(HWND hwnd) {
    wchar_t buffer[64]{};
    ::GetWindowTextW(hwnd, buffer, 64);
    return FromWide(buffer);
}

std::wstring WithSeparator(std::wstring folder) {
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') {
        folder += L'\\';
    }
    return folder;
}

}  // namespace

CDlgMacro::CDlgMacro(TextLookup texts, std::wstring programFolder, int preselectedMacro,
                     CWnd* parent, SettingsStore& settings)
    : CDialog(Q5_IDD_MACRO, parent),
      m_texts(std::move(texts)),
      m_folder(WithSeparator(std::move(programFolder))),
      m_preselected(preselectedMacro),
      m_settings(settings),
      m_names(m_folder),
      m_events(m_folder) {}

CDlgMacro::~CDlgMacro() {
    DestroyWindow();
    if (m_countBrush) {
        ::DeleteObject(m_countBrush);
    }
}

int CDlgMacro::ChosenMacro() const {
    return m_editor ? m_editor->selectedMacro() : m_preselected;
}

void CDlgMacro::PlaceWindow() {
    const SIZE size = m_faces.Size({skin::kMacroFaceSize.width, skin::kMacroFaceSize.height});
    const int width = size.cx;
    const int height = size.cy;
    // Over the window that owns the editor (the given parent, or else the
    // application's main window), or over the screen when there is none.
    RECT over{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    if (HWND owner = GetOwnerOrParent()) {
        ::GetWindowRect(owner, &over);
    }
    MoveWindow(over.left + (over.right - over.left - width) / 2,
               over.top + (over.bottom - over.top - height) / 2, width, height);
}

void CDlgMacro::CreateButtons() {
    const std::u16string none;
    const struct {
        CGDIBitmapBtn& button;
        Rect rect;
        const char* textKey;
        HBITMAP disabled;
    } buttons[] = {
        {m_ok, skin::kMacroOkButton, "tc_ok", m_faces.Normal()},
        {m_cancel, skin::kMacroCancelButton, "tc_cancel", m_faces.Normal()},
        {m_close, skin::kMacroCloseButton, nullptr, m_faces.Normal()},
        {m_new, skin::kMacroNewButton, "tc_macro_new", m_faces.Normal()},
        {m_delete, skin::kMacroDeleteButton, "tc_macro_del", m_faces.Normal()},
        {m_record, skin::kMacroRecordButton, "tc_macro_start", m_faces.Pressed()},
        {m_loopBox, skin::kMacroLoopBox, nullptr, m_faces.Pressed()},
        {m_delayBox, skin::kMacroDelayBox, nullptr, m_faces.Pressed()},
    };
    for (const auto& b : buttons) {
        const RECT rect = ToRect(b.rect);
        b.button.Create(rect, this);
        b.button.SetStateImages(m_faces.Normal(), m_faces.Hover(), m_faces.Pressed(), b.disabled,
                                rect);
        if (b.textKey) {
            b.button.SetCaption(m_texts ? m_texts(b.textKey) : none);
        }
        if (b.textKey || &b.button == &m_close) {
            b.button.m_textColors = kButtonText;
        }
    }
    m_shownRecordCaption = m_texts ? m_texts("tc_macro_start") : none;
}

void CDlgMacro::CreateLists() {
    const struct {
        CListBoxEx& list;
        Rect rect;
        UINT id;
        bool editable;
    } lists[] = {
        {m_names, skin::kMacroNameList, kNameListId, true},
        {m_events, skin::kMacroEventList, kEventListId, false},
    };
    for (const auto& l : lists) {
        l.list.Create(kListStyle, ToRect(l.rect), this, l.id);
        l.list.m_editable = l.editable;
        l.list.m_selectedBackground = kListSelectedBackground;
        l.list.m_background = ::CreateSolidBrush(kListBackground);
        l.list.m_text = kListText;
        l.list.m_selectedText = kListSelectedText;
        l.list.m_itemHeight = kListItemHeight;
        l.list.Invalidate();
    }
}

void CDlgMacro::SetUpCountField() {
    m_count.SubclassWindow(::GetDlgItem(m_hWnd, Q5_IDC_MACRO_COUNT));
    m_count.MoveWindow(kCountPlace.left, kCountPlace.top, kCountPlace.right - kCountPlace.left,
                       kCountPlace.bottom - kCountPlace.top);
    m_count.SetLimitText(kCountLimit);
    m_settingCount = true;
    m_count.SetWindowTextW(L"1");
    m_settingCount = false;
    m_count.EnableWindow(FALSE);
    m_countBrush = ::CreateSolidBrush(kCountBackground);
}

BOOL CDlgMacro::OnInitDialog() {
    CDialog::OnInitDialog();
    m_faces.Load(Q5_IDB_MACRO_NORMAL, Q5_IDB_MACRO_HOVER, Q5_IDB_MACRO_PRESSED);
    PlaceWindow();
    CreateButtons();
    CreateLists();

    SetWindowTextW(kWindowText);
    SetUpCountField();
    // Without the library the editor works, but nothing records.
    if (m_hook == &m_librarySwitch && m_library.Load(m_folder)) {
        m_library.Install(m_hWnd);
    }
    m_editor.emplace(
        MacroEditor::Services{m_settings, *m_hook, m_clock, m_input, m_dialogs, m_texts},
        m_preselected);
    m_editor->SetOwner(WindowHandle{reinterpret_cast<std::uintptr_t>(m_hWnd)});
    m_editor->Open();
    Sync();
    return TRUE;
}

void CDlgMacro::Sync() {
    if (!m_editor) {
        return;
    }
    SyncNames();
    SyncEvents();
    SyncCount();
    m_delayBox.SetLatched(m_editor->delayBoxChecked() ? 1 : 0);
    m_loopBox.SetLatched(m_editor->loopBoxChecked() ? 1 : 0);
    m_record.SetLatched(m_editor->recording() ? 1 : 0);
    if (m_editor->recordCaption() != m_shownRecordCaption) {
        m_shownRecordCaption = m_editor->recordCaption();
        m_record.SetCaption(m_shownRecordCaption);
    }
    if (m_editor->loopTimerRunning() != m_timerRunning) {
        m_timerRunning = m_editor->loopTimerRunning();
        if (m_timerRunning) {
            SetTimer(kLoopTimer, kLoopTimerPeriod);
        } else {
            KillTimer(kLoopTimer);
        }
    }
}

void CDlgMacro::SyncNames() {
    if (m_editor->names() != m_shownNames) {
        m_shownNames = m_editor->names();
        m_names.ResetContent();
        for (const std::u16string& name : m_shownNames) {
            m_names.AddItem(AsWide(name), kItemText);
        }
        m_names.SetCurSel(-1);
    }
    if (m_names.GetCurSel() != m_editor->nameSelection()) {
        m_names.SetCurSel(m_editor->nameSelection());
    }
}

void CDlgMacro::SyncEvents() {
    const auto& events = m_editor->events();
    const bool grows = events.size() >= m_shownEvents.size() &&
                       std::equal(m_shownEvents.begin(), m_shownEvents.end(), events.begin());
    if (grows && events.size() == m_shownEvents.size()) {
        return;
    }
    m_events.SendMessageW(WM_SETREDRAW, FALSE);
    if (!grows) {
        m_events.ResetContent();
        m_shownEvents.clear();
    }
    for (std::size_t i = m_shownEvents.size(); i < events.size(); ++i) {
        m_events.AddItem(AsWide(events[i].text), events[i].kind);
    }
    m_shownEvents = events;
    m_events.SendMessageW(WM_SETREDRAW, TRUE);
    m_events.Invalidate();
}

void CDlgMacro::SyncCount() {
    if (TextOf(m_count.GetSafeHwnd()) != m_editor->countText()) {
        // The editor has already applied its own change of the text.
        m_settingCount = true;
        m_count.SetWindowTextW(Wide(m_editor->countText()));
        m_settingCount = false;
    }
    if ((::IsWindowEnabled(m_count.GetSafeHwnd()) != FALSE) != m_editor->countEnabled()) {
        m_count.EnableWindow(m_editor->countEnabled() ? TRUE : FALSE);
    }
}

BOOL CDlgMacro::OnCommand(WPARAM wParam, LPARAM lParam) {
    HWND from = reinterpret_cast<HWND>(lParam);
    if (from && from == m_count.GetSafeHwnd()) {
        OnCountNotify(HIWORD(wParam));
        return TRUE;
    }
    if (from && CWnd::FromHandle(from) && from != m_names.GetSafeHwnd() &&
        from != m_events.GetSafeHwnd()) {
        OnButton(from);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgMacro::OnButton(HWND button) {
    if (button == m_ok.GetSafeHwnd()) {
        OnOK();
        return;
    }
    if (button == m_cancel.GetSafeHwnd() || button == m_close.GetSafeHwnd()) {
        OnCancel();
        return;
    }
    if (button == m_new.GetSafeHwnd()) {
        m_editor->PressNew();
    } else if (button == m_delete.GetSafeHwnd()) {
        m_editor->PressDelete();
    } else if (button == m_record.GetSafeHwnd()) {
        m_editor->PressRecord();
    } else if (button == m_loopBox.GetSafeHwnd()) {
        m_editor->PressLoopBox();
    } else if (button == m_delayBox.GetSafeHwnd()) {
        m_editor->PressDelayBox();
    }
    Sync();
}

void CDlgMacro::OnCountNotify(UINT code) {
    if (!m_editor) {
        return;
    }
    switch (code) {
        case EN_CHANGE:
            if (!m_settingCount) {
                m_editor->CountTextChanged(TextOf(m_count.GetSafeHwnd()));
                Sync();
            }
            break;
        case EN_SETFOCUS:
            m_editor->CountFocusChanged(true);
            break;
        case EN_KILLFOCUS:
            m_editor->CountFocusChanged(false);
            break;
        default:
            break;
    }
}

void CDlgMacro::OnOK() {
    if (m_editor) {
        m_editor->Confirm();
    }
    CDialog::OnOK();
}

void CDlgMacro::OnCancel() {
    if (m_editor) {
        m_editor->Cancel();
    }
    CDialog::OnCancel();
}

void CDlgMacro::OnTimer(UINT_PTR id) {
    if (id == kLoopTimer && m_editor) {
        m_editor->LoopTimerTick();
        Sync();
    }
}

BOOL CDlgMacro::PreTranslateMessage(MSG* msg) {
    HWND edit = m_names.EditWindow();
    const bool toTextField = msg->hwnd == m_count.GetSafeHwnd() || (edit && msg->hwnd == edit);
    const bool commandKey = IsDialogCommandKey(msg->message, msg->wParam);
    const bool kept = m_editor
                          ? m_editor->KeepsKeyFromDialog(msg->message, msg->wParam, toTextField)
                          : commandKey;
    if (!kept) {
        return CDialog::PreTranslateMessage(msg);
    }
    // Enter and Esc end an in-place edit of a name, and nothing else.
    if (edit && commandKey) {
        ::SendMessageW(edit, msg->message, msg->wParam, 0);
    }
    return TRUE;
}

LRESULT CDlgMacro::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT:
            return OnPaint();
        case WM_ERASEBKGND:
        case WM_HELP:
            return TRUE;
        case WM_LBUTTONDOWN:
            // The face has no caption: any point of it drags the window.
            PostMessageW(WM_NCLBUTTONDOWN, HTCAPTION, lParam);
            return 0;
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lParam) == m_count.GetSafeHwnd() &&
                ::IsWindowEnabled(m_count.GetSafeHwnd())) {
                return OnCountColor(reinterpret_cast<HDC>(wParam), m_count.GetSafeHwnd());
            }
            break;
        case kKeyReport: {
            const std::intptr_t result = m_editor ? m_editor->KeyReport(wParam, lParam) : 0;
            Sync();
            return result;
        }
        case CListBoxEx::kEditCommitted:
            if (wParam == kNameListId && m_editor) {
                const int position = static_cast<int>(lParam);
                // A click on another name ended the edit, and the list has
                // already selected that name: it stays the selection.
                const int clicked = m_names.GetCurSel();
                m_editor->NameEdited(position, FromWide(m_names.ItemText(position).c_str()));
                if (clicked >= 0 && clicked != position) {
                    m_editor->NameSelectionChanged(clicked);
                }
                Sync();
            }
            return 0;
        case CListBoxEx::kSelectionChanged:
            if (wParam == kNameListId && m_editor) {
                m_editor->NameSelectionChanged(m_names.GetCurSel());
                Sync();
            }
            return 0;
        case WM_DESTROY:
            OnDestroy();
            break;
        default:
            break;
    }
    return CDialog::HandleMessage(msg, wParam, lParam);
}

LRESULT CDlgMacro::OnCountColor(HDC dc, HWND) {
    ::SetTextColor(dc, kCountText);
    ::SetBkColor(dc, kCountBackground);
    return reinterpret_cast<LRESULT>(m_countBrush);
}

void CDlgMacro::OnDestroy() {
    KillTimer(kLoopTimer);
    m_timerRunning = false;
    if (m_hook->Available()) {
        m_hook->SetStatus(kHookReportsOff);
    }
    m_library.Free();
}

LRESULT CDlgMacro::OnPaint() {
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    m_faces.PaintNormal(dc);
    HFONT font = CreateSkinFont(kFaceFontHeight, kFaceFontWeight);
    {
        SelectedObject selected(dc, font);
        ::SetTextColor(dc, kFaceTextColor);
        ::SetBkMode(dc, TRANSPARENT);
        for (const FaceText& text : kFaceTexts) {
            std::wstring line = m_texts ? AsWide(m_texts(text.key)) : std::wstring();
            RECT rect = ToRect(text.where);
            ::DrawTextW(dc, line.data(), -1, &rect, kFaceTextFormat);
        }
    }
    ::DeleteObject(font);
    ::EndPaint(m_hWnd, &paint);
    return 0;
}

}  // namespace q5::win

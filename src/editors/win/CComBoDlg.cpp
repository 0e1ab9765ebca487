#include "editors/win/CComBoDlg.h"

#include <windowsx.h>

#include "editors/ComboDialogLook.h"
#include "editors/KeyNames.h"
#include "editors/KeyReport.h"
#include "ui/ResourceIds.h"
#include "ui/SkinLayout.h"
#include "ui/win/SkinFont.h"

namespace q5::win {

CComBoDlg::CComBoDlg(TextLookup texts, std::wstring programFolder, CWnd* parent)
    : CDialog(Q5_IDD_COMBO, parent),
      m_texts(std::move(texts)),
      m_programFolder(std::move(programFolder)) {}

CComBoDlg::~CComBoDlg() {
    DestroyWindow();
}

std::u16string CComBoDlg::Text(const char* key) const {
    return m_texts ? m_texts(key) : std::u16string();
}

BOOL CComBoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_faces.Load(Q5_IDB_COMBO_NORMAL, Q5_IDB_COMBO_HOVER, Q5_IDB_COMBO_PRESSED);
    PlaceWindow();
    CreateButtons();
    m_hook.Load(m_programFolder);
    SetWindowTextW(kWindowText);
    m_hook.Install(m_hWnd);
    m_hook.SetStatus(1);
    return TRUE;
}

void CComBoDlg::PlaceWindow() {
    const SIZE face = m_faces.Size({skin::kComboFaceSize.width, skin::kComboFaceSize.height});
    Rect over{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    if (HWND parent = ::GetWindow(m_hWnd, GW_OWNER)) {
        RECT r{};
        ::GetWindowRect(parent, &r);
        over = {r.left, r.top, r.right, r.bottom};
    }
    const Point origin = combo::CentredOver(over, face.cx, face.cy);
    MoveWindow(origin.x, origin.y, face.cx, face.cy);
}

void CComBoDlg::CreateButtons() {
    const struct {
        CGDIBitmapBtn& button;
        Rect rect;
        const char* textKey;
    } buttons[] = {
        {m_ok, skin::kComboOkButton, "tc_ok"},
        {m_cancel, skin::kComboCancelButton, "tc_cancel"},
        {m_close, skin::kComboCloseButton, nullptr},
    };
    for (const auto& b : buttons) {
        m_faces.CreateButton(b.button, b.rect, this);
        if (b.textKey) {
            b.button.SetCaption(Text(b.textKey));
        }
    }
}

BOOL CComBoDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    HWND from = reinterpret_cast<HWND>(lParam);
    if (from && from == m_ok.GetSafeHwnd()) {
        OnOK();
        return TRUE;
    }
    if (from && (from == m_cancel.GetSafeHwnd() || from == m_close.GetSafeHwnd())) {
        OnCancel();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CComBoDlg::PreTranslateMessage(MSG* msg) {
    if (combo::IsSwallowedKeyMessage(msg->message, msg->wParam, msg->lParam)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

LRESULT CComBoDlg::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT:
            return OnPaint();
        case WM_ERASEBKGND:
            return TRUE;
        case WM_LBUTTONDOWN:
            return OnLButtonDown(lParam);
        case kKeyReportMessage:
            return OnKeyReport(wParam, lParam);
        case WM_DESTROY:
            OnDestroy();
            return CDialog::HandleMessage(msg, wParam, lParam);
        default:
            return CDialog::HandleMessage(msg, wParam, lParam);
    }
}

LRESULT CComBoDlg::OnKeyReport(WPARAM key, LPARAM flags) {
    const auto outcome =
        m_capture.OnKeyReport(static_cast<std::uint32_t>(key), static_cast<std::uint32_t>(flags));
    if (outcome.repaint) {
        const RECT area = ToRect(skin::kComboKeysText);
        ::InvalidateRect(m_hWnd, &area, TRUE);
    }
    return outcome.accepted ? 1 : 0;
}

LRESULT CComBoDlg::OnLButtonDown(LPARAM position) {
    // Dragging by any point of the face: the press becomes one on a caption.
    POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    ::ClientToScreen(m_hWnd, &at);
    PostMessageW(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
    return 0;
}

void CComBoDlg::OnDestroy() {
    m_hook.SetStatus(0);
    m_hook.Remove();
    m_hook.Free();
    m_faces.Free();
}

LRESULT CComBoDlg::OnPaint() {
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    m_faces.PaintNormal(dc);
    HFONT font = CreateSkinFont(combo::kFontHeight, combo::kFontWeight);
    {
        SelectedObject selected(dc, font);
        ::SetTextColor(dc, combo::kTextColor);
        ::SetBkMode(dc, TRANSPARENT);
        DrawSkinText(dc, Text("tc_combo_tittle"), combo::kTitleText, combo::kLabelFormat);
        DrawSkinText(dc, Text("tc_combo_tips"), combo::kTipsText, combo::kLabelFormat);
        const auto result = m_capture.Result();
        m_drawnCombination = ComboCombinationText(m_input, result[0], result[1], result[2]);
        DrawSkinText(dc, m_drawnCombination, skin::kComboKeysText, combo::kCombinationFormat);
    }
    ::DeleteObject(font);
    ::EndPaint(m_hWnd, &paint);
    return 0;
}

}  // namespace q5::win

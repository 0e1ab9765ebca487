#include "ui/win/CInfoDlg.h"

#include "ui/ResourceIds.h"
#include "ui/SkinLayout.h"
#include "ui/win/SkinFont.h"

namespace q5::win {
namespace {

constexpr ColorRef kButtonTextNormal = Rgb(83, 97, 103);
constexpr ColorRef kButtonTextLit = Rgb(255, 255, 255);
constexpr ColorRef kMessageColor = Rgb(66, 66, 66);
constexpr int kFontHeight = 14;
constexpr int kFontWeight = 300;
constexpr UINT kMessageFormat = DT_VCENTER | DT_WORDBREAK | DT_NOCLIP | DT_END_ELLIPSIS;
constexpr UINT kTitleFormat = kMessageFormat | DT_SINGLELINE;

}  // namespace

CInfoDlg::CInfoDlg(TextLookup texts, CWnd* parent)
    : CDialog(Q5_IDD_INFO, parent), m_texts(std::move(texts)) {}

CInfoDlg::~CInfoDlg() {
    DestroyWindow();
}

void CInfoDlg::CreateButtons() {
    const struct {
        CGDIBitmapBtn& button;
        Rect rect;
        const char* textKey;
    } buttons[] = {
        {m_close, skin::kInfoCloseButton, nullptr},
        {m_ok, skin::kInfoOkButton, "tc_ok"},
        {m_cancel, skin::kInfoCancelButton, "tc_cancel"},
    };
    for (const auto& b : buttons) {
        m_faces.CreateButton(b.button, b.rect, this);
        if (b.textKey) {
            b.button.m_textColors = {kButtonTextLit, kButtonTextNormal, kButtonTextLit};
            b.button.SetCaption(m_texts ? m_texts(b.textKey) : std::u16string());
        }
    }
}

BOOL CInfoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowTextW(kInfoDialogTitle);
    m_faces.Load(Q5_IDB_INFO_NORMAL, Q5_IDB_INFO_HOVER, Q5_IDB_INFO_PRESSED);
    const SIZE face = m_faces.Size({skin::kInfoFaceSize.width, skin::kInfoFaceSize.height});
    const int width = face.cx;
    const int height = face.cy;
    MoveWindow((::GetSystemMetrics(SM_CXFULLSCREEN) - width) / 2,
               (::GetSystemMetrics(SM_CYFULLSCREEN) - height) / 2, width, height);
    CreateButtons();
    return TRUE;
}

BOOL CInfoDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    HWND from = reinterpret_cast<HWND>(lParam);
    if (from && (from == m_close.GetSafeHwnd() || from == m_cancel.GetSafeHwnd())) {
        OnCancel();
    } else if (from && from == m_ok.GetSafeHwnd()) {
        OnOK();
    }
    return CDialog::OnCommand(wParam, lParam);
}

LRESULT CInfoDlg::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT:
            return OnPaint();
        case WM_ERASEBKGND:
            return TRUE;
        default:
            return CDialog::HandleMessage(msg, wParam, lParam);
    }
}

LRESULT CInfoDlg::OnPaint() {
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    m_faces.PaintNormal(dc);
    {
        const SkinTextStyle text(dc, kFontHeight, kFontWeight, kMessageColor);
        text.Draw(m_message, ToRect(skin::kInfoMessageText), kMessageFormat);
        text.Draw(m_texts ? m_texts("tc_retitle") : std::u16string(), ToRect(skin::kInfoTitleText),
                  kTitleFormat);
    }
    ::EndPaint(m_hWnd, &paint);
    return 0;
}

INT_PTR ShowInfoDialog(const std::u16string& message, const TextLookup& texts) {
    CInfoDlg dialog(texts);
    dialog.m_message = message;
    return dialog.DoModal();
}

}  // namespace q5::win

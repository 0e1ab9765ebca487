#include "ui/win/CInfoDlg.h"

#include "ui/ResourceIds.h"
#include "ui/SkinLayout.h"
#include "ui/win/SkinBitmap.h"
#include "ui/win/SkinFont.h"

namespace q5::win {
namespace {

constexpr wchar_t kWindowText[] = L"KorvoZ100InfoDlg";
constexpr ColorRef kButtonTextNormal = Rgb(83, 97, 103);
constexpr ColorRef kButtonTextLit = Rgb(255, 255, 255);
constexpr ColorRef kMessageColor = Rgb(66, 66, 66);
constexpr int kFontHeight = 14;
constexpr int kFontWeight = 300;
constexpr UINT kMessageFormat = DT_VCENTER | DT_WORDBREAK | DT_NOCLIP | DT_END_ELLIPSIS;
constexpr UINT kTitleFormat = kMessageFormat | DT_SINGLELINE;

RECT ToRect(const Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

}  // namespace

CInfoDlg::CInfoDlg(TextLookup texts, CWnd* parent)
    : CDialog(Q5_IDD_INFO, parent), m_texts(std::move(texts)) {}

CInfoDlg::~CInfoDlg() {
    DestroyWindow();
    FreeFaces();
}

void CInfoDlg::LoadFaces() {
    FreeFaces();
    m_normal = LoadBitmapResource(Q5_IDB_INFO_NORMAL);
    m_hover = LoadBitmapResource(Q5_IDB_INFO_HOVER);
    m_pressed = LoadBitmapResource(Q5_IDB_INFO_PRESSED);
}

void CInfoDlg::FreeFaces() {
    for (HBITMAP* face : {&m_normal, &m_hover, &m_pressed}) {
        if (*face) {
            ::DeleteObject(*face);
            *face = nullptr;
        }
    }
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
        const RECT rect = ToRect(b.rect);
        b.button.Create(rect, this);
        b.button.SetStateImages(m_normal, m_hover, m_pressed, m_normal, rect);
        if (b.textKey) {
            b.button.m_textColors = {kButtonTextLit, kButtonTextNormal, kButtonTextLit};
            b.button.SetCaption(m_texts ? m_texts(b.textKey) : std::u16string());
        }
    }
}

BOOL CInfoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowTextW(kWindowText);
    LoadFaces();
    BITMAP face{};
    ::GetObjectW(m_normal, sizeof face, &face);
    const int width = m_normal ? face.bmWidth : skin::kInfoFaceSize.width;
    const int height = m_normal ? face.bmHeight : skin::kInfoFaceSize.height;
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
    PaintBitmap(dc, m_normal);
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

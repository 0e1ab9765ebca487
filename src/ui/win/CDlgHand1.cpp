#include "ui/win/CDlgHand1.h"

#include <algorithm>

#include "ui/GesturePanelLayout.h"
#include "ui/ResourceIds.h"
#include "ui/SkinLayout.h"
#include "ui/win/SkinBitmap.h"
#include "ui/win/SkinFaces.h"
#include "ui/win/SkinFont.h"

namespace q5::win {
namespace {

constexpr ColorRef kLabelColor = Rgb(66, 66, 66);
constexpr ColorRef kMarkColor = Rgb(83, 97, 100);
constexpr int kMarkFontHeight = 14;
constexpr int kMarkFontWeight = 300;
constexpr UINT kMarkFormat =
    DT_VCENTER | DT_WORDBREAK | DT_SINGLELINE | DT_NOCLIP | DT_END_ELLIPSIS;  // 0x8134

void Show(CGDIBitmapBtn& button, bool shown) {
    button.ShowWindow(shown ? SW_SHOW : SW_HIDE);
}

}  // namespace

CDlgHand1::CDlgHand1(TextLookup texts, CWnd* parent)
    : CDialog(Q5_IDD_PANEL, parent), m_texts(std::move(texts)) {}

CDlgHand1::~CDlgHand1() {
    DestroyWindow();
    FreeBitmaps();
}

void CDlgHand1::LoadBitmaps() {
    FreeBitmaps();
    for (std::size_t i = 0; i < m_bitmaps.size(); ++i) {
        m_bitmaps[i] = LoadBitmapResource(kPanelBitmapIds[i]);
    }
}

void CDlgHand1::FreeBitmaps() {
    for (HBITMAP& bitmap : m_bitmaps) {
        if (bitmap) {
            ::DeleteObject(bitmap);
            bitmap = nullptr;
        }
    }
}

HBITMAP CDlgHand1::Bitmap(int id) const {
    const auto found = std::find(kPanelBitmapIds.begin(), kPanelBitmapIds.end(), id);
    return found == kPanelBitmapIds.end()
               ? nullptr
               : m_bitmaps[static_cast<std::size_t>(found - kPanelBitmapIds.begin())];
}

BOOL CDlgHand1::OnInitDialog() {
    CDialog::OnInitDialog();
    m_mark = m_texts ? m_texts("tc_mark") : std::u16string();
    LoadBitmaps();
    // Centred until the main dialog moves the panel into place.
    const SIZE size = BitmapSize(Bitmap(Q5_IDB_PAGE0_PLAIN));
    MoveWindow((::GetSystemMetrics(SM_CXFULLSCREEN) - size.cx) / 2,
               (::GetSystemMetrics(SM_CYFULLSCREEN) - size.cy) / 2, size.cx, size.cy);
    CreateButtons();
    return TRUE;
}

void CDlgHand1::CreateButtons() {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        CreateSlotButtons(slot);
        ShowSlot(slot);
    }
}

void CDlgHand1::CreateSlotButtons(int slot) {
    const PanelSlotLayout layout = PanelSlotLayoutOf(slot);
    const std::u16string label = m_texts ? m_texts(layout.labelKey) : std::u16string();
    const auto make = [&](CGDIBitmapBtn& button, const Rect& where, const StateImageIds& ids) {
        const RECT rect = ToRect(where);
        button.Create(rect, this);
        button.SetStateImages(Bitmap(ids.normal), Bitmap(ids.hover), Bitmap(ids.pressed),
                              Bitmap(ids.disabled), rect);
    };
    make(m_pictures[Index(slot)], layout.picture, layout.pictureImages);
    m_pictures[Index(slot)].SetTooltip(label.c_str());
    make(m_faded[Index(slot)], layout.picture, layout.fadedImages);
    m_faded[Index(slot)].SetTooltip(label.c_str());
    CGDIBitmapBtn& labelButton = m_labels[Index(slot)];
    make(labelButton, layout.label, layout.labelImages);
    labelButton.m_textColors = {kLabelColor, kLabelColor, kLabelColor};
    labelButton.SetCaption(label);
}

void CDlgHand1::ShowSlot(int slot) {
    const GesturePanelState::SlotView& view = m_state.Slot(slot);
    Show(m_pictures[Index(slot)], view.picture);
    Show(m_faded[Index(slot)], view.faded);
    Show(m_labels[Index(slot)], view.label);
}

void CDlgHand1::Apply(const GesturePanelState::Update& update) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (update.shown.test(Index(slot))) {
            ShowSlot(slot);
        }
        if (update.latched.test(Index(slot))) {
            m_pictures[Index(slot)].SetLatched(m_state.Slot(slot).latched);
        }
    }
}

void CDlgHand1::ShowPage(int page) {
    Apply(m_state.ShowPage(page));
}

void CDlgHand1::SelectSlot(int slot, int selected) {
    Apply(m_state.SelectSlot(slot, selected));
}

BOOL CDlgHand1::PreTranslateMessage(MSG*) {
    return FALSE;
}

BOOL CDlgHand1::OnCommand(WPARAM wParam, LPARAM lParam) {
    const HWND from = reinterpret_cast<HWND>(lParam);
    for (int slot = 0; from && slot < kSlotCount; ++slot) {
        if (from != m_pictures[Index(slot)].GetSafeHwnd() &&
            from != m_faded[Index(slot)].GetSafeHwnd()) {
            continue;
        }
        if (const auto click = m_state.Click(slot)) {
            ::PostMessageW(::GetParent(m_hWnd), kSlotMessage,
                           static_cast<WPARAM>(click->notification.slot),
                           static_cast<LPARAM>(click->notification.latchedBefore));
            Apply(click->update);
        }
        break;
    }
    return CDialog::OnCommand(wParam, lParam);
}

LRESULT CDlgHand1::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT:
            return OnPaint();
        case WM_ERASEBKGND:
            return TRUE;
        default:
            return CDialog::HandleMessage(msg, wParam, lParam);
    }
}

LRESULT CDlgHand1::OnPaint() {
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    PaintBitmap(dc, Bitmap(Q5_IDB_PANEL_BACKGROUND));
    SkinTextStyle(dc, kMarkFontHeight, kMarkFontWeight, kMarkColor)
        .Draw(m_mark, ToRect(skin::kPanelMarkText), kMarkFormat);
    ::EndPaint(m_hWnd, &paint);
    return 0;
}

}  // namespace q5::win

#include "ui/win/CXPMenu.h"

#include "ui/MenuItemLook.h"
#include "ui/win/CWnd.h"
#include "ui/win/SkinFont.h"
#include "ui/win/WideText.h"

namespace q5::win {
namespace {

constexpr int kTextFontHeight = 12;
constexpr int kTextFontWeight = 500;
constexpr UINT kTextFormat =
    DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_SINGLELINE | DT_NOCLIP | DT_END_ELLIPSIS;  // 0x8135

void FillColor(HDC dc, const ColorFill& fill) {
    HBRUSH brush = ::CreateSolidBrush(fill.color);
    RECT rect{fill.rect.left, fill.rect.top, fill.rect.right, fill.rect.bottom};
    ::FillRect(dc, &rect, brush);
    ::DeleteObject(brush);
}

void DrawResourceIcon(HDC dc, int id, Point at) {
    auto* icon = static_cast<HICON>(::LoadImageW(AppInstance(), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                                 kMenuIconSize, kMenuIconSize, 0));
    if (icon) {
        ::DrawIconEx(dc, at.x, at.y, icon, kMenuIconSize, kMenuIconSize, 0, nullptr, DI_NORMAL);
        ::DestroyIcon(icon);
    }
}

}  // namespace

void CXPMenu::MeasureItem(MEASUREITEMSTRUCT* item) {
    item->itemWidth = kMenuItemWidth;
    item->itemHeight = kMenuItemHeight;
}

void CXPMenu::DrawItem(DRAWITEMSTRUCT* item) {
    const auto* record = reinterpret_cast<const XPMenuItem*>(item->itemData);
    if (!record) {
        return;
    }
    HDC dc = item->hDC;
    const RECT& r = item->rcItem;
    const bool highlighted = (item->itemState & ODS_SELECTED) != 0;
    const MenuItemLook look = PlanMenuItem({r.left, r.top, r.right, r.bottom}, highlighted);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    if (look.framed) {
        SelectedObject brush(dc, ::GetStockObject(NULL_BRUSH));
        SelectedObject pen(dc, ::GetStockObject(BLACK_PEN));
        ::Rectangle(dc, r.left, r.top, r.right, r.bottom);
    }
    for (const ColorFill& fill : look.fills) {
        FillColor(dc, fill);
    }
    DrawResourceIcon(dc, look.highlightedIcon ? record->highlightedIcon : record->icon,
                     look.iconAt);
    HFONT font = CreateSkinFont(kTextFontHeight, kTextFontWeight);
    {
        SelectedObject selected(dc, font);
        RECT textRect{look.textRect.left, look.textRect.top, look.textRect.right,
                      look.textRect.bottom};
        std::u16string text = record->text;
        ::DrawTextW(dc, const_cast<wchar_t*>(Wide(text)), -1, &textRect, kTextFormat);
    }
    ::DeleteObject(font);
    ::SetBkMode(dc, oldMode);
}

}  // namespace q5::win

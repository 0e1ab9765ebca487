#include "ui/win/SkinFaces.h"

#include "ui/win/SkinBitmap.h"
#include "ui/win/SkinFont.h"
#include "ui/win/WideText.h"

namespace q5::win {

void SkinFaces::Load(int normalId, int hoverId, int pressedId) {
    Free();
    m_normal = LoadBitmapResource(normalId);
    m_hover = LoadBitmapResource(hoverId);
    m_pressed = LoadBitmapResource(pressedId);
}

void SkinFaces::Free() {
    for (HBITMAP* face : {&m_normal, &m_hover, &m_pressed}) {
        if (*face) {
            ::DeleteObject(*face);
            *face = nullptr;
        }
    }
}

SIZE SkinFaces::Size(SIZE fallback) const {
    return m_normal ? BitmapSize(m_normal) : fallback;
}

void SkinFaces::PaintNormal(HDC dc) const {
    PaintBitmap(dc, m_normal);
}

void SkinFaces::CreateButton(CGDIBitmapBtn& button, const Rect& rect, CWnd* parent) const {
    const RECT place = ToRect(rect);
    button.Create(place, parent);
    button.SetStateImages(m_normal, m_hover, m_pressed, m_normal, place);
}

RECT ToRect(const Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

void DrawSkinText(HDC dc, const std::u16string& text, const Rect& where, UINT format) {
    RECT rect = ToRect(where);
    ::DrawTextW(dc, Wide(text), -1, &rect, format);
}

}  // namespace q5::win

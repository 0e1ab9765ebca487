#include "ui/win/SkinFaces.h"

#include "ui/win/CWnd.h"
#include "ui/win/SkinFont.h"
#include "ui/win/WideText.h"

namespace q5::win {
namespace {

HBITMAP LoadSkin(int id) {
    return static_cast<HBITMAP>(
        ::LoadImageW(AppInstance(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

}  // namespace

void SkinFaces::Load(int normalId, int hoverId, int pressedId) {
    Free();
    m_normal = LoadSkin(normalId);
    m_hover = LoadSkin(hoverId);
    m_pressed = LoadSkin(pressedId);
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
    BITMAP face{};
    if (!m_normal || !::GetObjectW(m_normal, sizeof face, &face)) {
        return fallback;
    }
    return SIZE{face.bmWidth, face.bmHeight};
}

void SkinFaces::PaintNormal(HDC dc) const {
    if (!m_normal) {
        return;
    }
    const SIZE size = Size({});
    HDC faceDc = ::CreateCompatibleDC(dc);
    {
        SelectedObject selected(faceDc, m_normal);
        ::BitBlt(dc, 0, 0, size.cx, size.cy, faceDc, 0, 0, SRCCOPY);
    }
    ::DeleteDC(faceDc);
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

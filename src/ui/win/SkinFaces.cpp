#include "ui/win/SkinFaces.h"

#include <initializer_list>

#include "ui/win/CWnd.h"
#include "ui/win/SkinFont.h"

namespace q5::win {
namespace {

HBITMAP LoadFace(int id) {
    return static_cast<HBITMAP>(
        ::LoadImageW(AppInstance(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

}  // namespace

void SkinFaces::Load(int normalId, int hoverId, int pressedId) {
    Free();
    m_normal = LoadFace(normalId);
    m_hover = LoadFace(hoverId);
    m_pressed = LoadFace(pressedId);
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

}  // namespace q5::win

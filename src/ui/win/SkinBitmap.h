/*
 * The skin pictures as GDI bitmaps: loading one from the program's
 * resources, its size, and painting it whole at a window's top-left corner
 * (the background of every skinned window).
 */
#pragma once

#include <windows.h>

#include "ui/win/CWnd.h"
#include "ui/win/SkinFont.h"

namespace q5::win {

// A device-independent bitmap of the resources, or null.
inline HBITMAP LoadBitmapResource(int id) {
    return static_cast<HBITMAP>(
        ::LoadImageW(AppInstance(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

// Zero for a null bitmap.
inline SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof info, &info)) {
        return SIZE{0, 0};
    }
    return SIZE{info.bmWidth, info.bmHeight};
}

// Copies the whole bitmap to (0, 0) of `dc`; nothing for a null bitmap.
inline void PaintBitmap(HDC dc, HBITMAP bitmap) {
    if (!bitmap) {
        return;
    }
    const SIZE size = BitmapSize(bitmap);
    HDC bitmapDc = ::CreateCompatibleDC(dc);
    {
        SelectedObject selected(bitmapDc, bitmap);
        ::BitBlt(dc, 0, 0, size.cx, size.cy, bitmapDc, 0, 0, SRCCOPY);
    }
    ::DeleteDC(bitmapDc);
}

}  // namespace q5::win

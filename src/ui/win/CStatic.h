/*
 * A system static control (text or picture) as a framework window.
 */
#pragma once

#include "ui/win/CWnd.h"

namespace q5::win {

class CStatic : public CWnd {
public:
    bool Create(const wchar_t* text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CreateEx(0, L"STATIC", text, style, rect, parent, id);
    }
    HBITMAP SetBitmap(HBITMAP bitmap) {
        return reinterpret_cast<HBITMAP>(
            SendMessageW(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    }
};

}  // namespace q5::win

/*
 * A system push button as a framework window.
 */
#pragma once

#include "ui/win/CWnd.h"

namespace q5::win {

class CButton : public CWnd {
public:
    bool Create(const wchar_t* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CreateEx(0, L"BUTTON", caption, style, rect, parent, id);
    }
    UINT GetState() { return static_cast<UINT>(SendMessageW(BM_GETSTATE)); }
    void SetState(BOOL pushed) { SendMessageW(BM_SETSTATE, static_cast<WPARAM>(pushed)); }
};

}  // namespace q5::win

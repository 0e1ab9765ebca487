/*
 * A system edit control as a framework window.
 */
#pragma once

#include "ui/win/CWnd.h"

namespace q5::win {

class CEdit : public CWnd {
public:
    bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CreateEx(0, L"EDIT", nullptr, style, rect, parent, id);
    }
    void SetLimitText(UINT limit) { SendMessageW(EM_SETLIMITTEXT, limit); }
    void SetSel(int start, int end) {
        SendMessageW(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    }
};

}  // namespace q5::win

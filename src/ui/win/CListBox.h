/*
 * A system list box as a framework window.
 */
#pragma once

#include "ui/win/CWnd.h"

namespace q5::win {

class CListBox : public CWnd {
public:
    bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CreateEx(0, L"LISTBOX", nullptr, style, rect, parent, id);
    }
    int AddString(const wchar_t* text) {
        return static_cast<int>(SendMessageW(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int InsertString(int index, const wchar_t* text) {
        return static_cast<int>(SendMessageW(LB_INSERTSTRING, static_cast<WPARAM>(index),
                                             reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(int index) {
        return static_cast<int>(SendMessageW(LB_DELETESTRING, static_cast<WPARAM>(index)));
    }
    void ResetContent() { SendMessageW(LB_RESETCONTENT); }
    int GetCount() { return static_cast<int>(SendMessageW(LB_GETCOUNT)); }
    int GetCurSel() { return static_cast<int>(SendMessageW(LB_GETCURSEL)); }
    int SetCurSel(int index) {
        return static_cast<int>(SendMessageW(LB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    LRESULT GetItemData(int index) {
        return SendMessageW(LB_GETITEMDATA, static_cast<WPARAM>(index));
    }
    int SetItemData(int index, LPARAM data) {
        return static_cast<int>(SendMessageW(LB_SETITEMDATA, static_cast<WPARAM>(index), data));
    }
    int SetItemHeight(int index, int height) {
        return static_cast<int>(
            SendMessageW(LB_SETITEMHEIGHT, static_cast<WPARAM>(index), MAKELPARAM(height, 0)));
    }
};

}  // namespace q5::win

/*
 * The macro editor's owner-drawn list box: every item the same height, an
 * icon of skins\macro in front of recorded events (ListItemLook decides
 * which), the editor's colours, and the program's one in-place edit of an
 * item's text (at most 10 characters; Enter or leaving it commits, Esc
 * cancels). It tells its parent of a committed edit (kEditCommitted, with
 * the control id and the item's position) and of a selection the user
 * changed (kSelectionChanged, with the control id) by posted messages.
 */
#pragma once

#include <string>

#include "ui/win/CListBox.h"

namespace q5::win {

class CListBoxEx : public CListBox {
public:
    static constexpr UINT kEditCommitted = 0x464;
    static constexpr UINT kSelectionChanged = 0x465;
    static constexpr int kEditLimit = 10;

    // `skinFolder`: the program's folder, ending with a path separator; the
    // icons lie in its skins\macro.
    explicit CListBoxEx(std::wstring skinFolder);
    ~CListBoxEx() override;

    // Creates the list and sets the defaults of the members below.
    bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Adds an item at the end and selects it; an open in-place edit is
    // closed without a notification.
    void AddItem(const std::wstring& text, int kind);
    // The open in-place edit, or null.
    HWND EditWindow() const { return m_edit; }
    int EditedItem() const { return m_editedItem; }
    std::wstring ItemText(int index);

    // Drawing of the items, reached through the parent's reflection.
    void DrawItem(DRAWITEMSTRUCT* item) override;
    void MeasureItem(MEASUREITEMSTRUCT* item) override;

    // Set by the owner after Create.
    bool m_editable = false;
    short m_itemHeight = 20;
    int m_iconWidth = 16;
    int m_iconHeight = 16;
    HBRUSH m_background = nullptr;  // owned by the list once set
    COLORREF m_selectedText = 0;
    COLORREF m_text = 0;
    COLORREF m_selectedBackground = 0;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    static LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void OpenEdit();
    void CommitEdit();
    void CancelEdit();
    void CloseEdit();
    void DrawIcon(HDC dc, const std::wstring_view& file, const RECT& item) const;
    UINT ControlId() const { return static_cast<UINT>(::GetDlgCtrlID(m_hWnd)); }

    std::wstring m_skinFolder;
    HFONT m_font = nullptr;
    HBRUSH m_disabledBrush = nullptr;
    int m_editedItem = -1;
    HWND m_edit = nullptr;

    // The one in-place edit of the program and its list box.
    static inline CListBoxEx* s_editOwner = nullptr;
    static inline WNDPROC s_editProc = nullptr;
};

}  // namespace q5::win

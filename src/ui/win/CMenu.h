/*
 * A pop-up menu handle with the owner-draw hooks of the framework: while a
 * menu is attached, its window owner's WM_DRAWITEM for the menu reaches
 * DrawItem, and while it is being tracked WM_MEASUREITEM reaches
 * MeasureItem.
 */
#pragma once

#include <windows.h>

namespace q5::win {

class CWnd;

class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    virtual ~CMenu();

    bool CreatePopupMenu();
    bool AppendMenuW(UINT flags, UINT_PTR id, const void* itemOrText);
    // Tracks the menu at a screen point; a choice arrives at `owner` as
    // WM_COMMAND (or is returned with TPM_RETURNCMD).
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd& owner);
    void DestroyMenu();

    HMENU GetSafeHmenu() const { return m_hMenu; }
    static CMenu* FromHandle(HMENU menu);
    // The menu being tracked on this thread, or null.
    static CMenu* Tracking();

    virtual void DrawItem(DRAWITEMSTRUCT* item);
    virtual void MeasureItem(MEASUREITEMSTRUCT* item);

private:
    HMENU m_hMenu = nullptr;
};

}  // namespace q5::win

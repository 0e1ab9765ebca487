#include "ui/win/CMenu.h"

#include <map>

#include "ui/win/CWnd.h"

namespace q5::win {
namespace {

std::map<HMENU, CMenu*>& AttachedMenus() {
    static std::map<HMENU, CMenu*> menus;
    return menus;
}

CMenu* g_tracking = nullptr;

}  // namespace

CMenu::~CMenu() {
    DestroyMenu();
}

bool CMenu::CreatePopupMenu() {
    DestroyMenu();
    m_hMenu = ::CreatePopupMenu();
    if (m_hMenu) {
        AttachedMenus()[m_hMenu] = this;
    }
    return m_hMenu != nullptr;
}

bool CMenu::AppendMenuW(UINT flags, UINT_PTR id, const void* itemOrText) {
    return ::AppendMenuW(m_hMenu, flags, id, static_cast<const wchar_t*>(itemOrText)) != FALSE;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd& owner) {
    CMenu* outer = g_tracking;
    g_tracking = this;
    const BOOL result = ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner.GetSafeHwnd(), nullptr);
    g_tracking = outer;
    return result;
}

void CMenu::DestroyMenu() {
    if (m_hMenu) {
        AttachedMenus().erase(m_hMenu);
        ::DestroyMenu(m_hMenu);
        m_hMenu = nullptr;
    }
}

CMenu* CMenu::FromHandle(HMENU menu) {
    const auto found = AttachedMenus().find(menu);
    return found == AttachedMenus().end() ? nullptr : found->second;
}

CMenu* CMenu::Tracking() {
    return g_tracking;
}

void CMenu::DrawItem(DRAWITEMSTRUCT*) {}

void CMenu::MeasureItem(MEASUREITEMSTRUCT*) {}

}  // namespace q5::win

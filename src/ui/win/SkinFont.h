/*
 * The skin's one typeface, "MS Shell Dlg", in the cell heights and weights
 * the windows ask for.
 */
#pragma once

#include <windows.h>

namespace q5::win {

inline HFONT CreateSkinFont(int height, int weight) {
    return ::CreateFontW(height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FF_SWISS,
                         L"MS Shell Dlg");
}

// Selects a GDI object into a device context for the life of the scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() { ::SelectObject(m_dc, m_previous); }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

}  // namespace q5::win

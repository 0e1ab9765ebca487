/*
 * The skin's one typeface, "MS Shell Dlg", in the cell heights and weights
 * the windows ask for.
 */
#pragma once

#include <windows.h>

#include <string>

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

// Text written over a skin picture for the life of the scope: the skin
// font selected, a transparent background and one colour.
class SkinTextStyle {
public:
    SkinTextStyle(HDC dc, int height, int weight, COLORREF color)
        : m_dc(dc), m_font(CreateSkinFont(height, weight)), m_previous(::SelectObject(dc, m_font)) {
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, color);
    }
    SkinTextStyle(const SkinTextStyle&) = delete;
    SkinTextStyle& operator=(const SkinTextStyle&) = delete;
    ~SkinTextStyle() {
        ::SelectObject(m_dc, m_previous);
        ::DeleteObject(m_font);
    }

    void Draw(const std::u16string& text, RECT where, UINT format) const {
        std::wstring copy(text.begin(), text.end());
        ::DrawTextW(m_dc, copy.data(), -1, &where, format);
    }

private:
    HDC m_dc;
    HFONT m_font;
    HGDIOBJ m_previous;
};

}  // namespace q5::win

/*
 * The skinned push button of every window: four state images cut from the
 * window's full-size skin pictures, an optional caption drawn over them,
 * a hover look while the pointer is over it, a latched (held pressed) look
 * set by its owner, and a tooltip. The choice of image, colour and caption
 * place is made by ui/ButtonLook, the hover rules by ui/HoverTracking.
 */
#pragma once

#include <array>
#include <string>

#include "ui/ButtonLook.h"
#include "ui/win/CButton.h"

namespace q5::win {

class CGDIBitmapBtn : public CButton {
public:
    // Visible owner-drawn child button (WS_CHILD | WS_VISIBLE | BS_OWNERDRAW).
    static constexpr DWORD kStyle = 0x5000000B;

    CGDIBitmapBtn() = default;
    ~CGDIBitmapBtn() override;

    // Creates the button with an empty caption, control id 0, without the
    // tab stop.
    bool Create(const RECT& rect, CWnd* parent, DWORD style = kStyle);

    // Cuts `rect` (in the sources' pixels) out of each source picture; a null
    // source leaves that state image as it was.
    void SetStateImages(HBITMAP normal, HBITMAP hover, HBITMAP pressed, HBITMAP disabled,
                        const RECT& rect);
    void SetCaption(const std::u16string& text, int offsetX = 0, int offsetY = 0);
    const std::u16string& Caption() const { return m_caption; }
    void SetLatched(int flag);
    int IsLatched() const { return m_latched; }
    // Nothing when `text` is null.
    void SetTooltip(const char16_t* text);
    bool IsHovering() const { return m_hovering != 0; }
    HWND GetTooltip() const { return m_tooltip; }

    // Replaces `target` with a copy of the (x1, y1)-(x2, y2) part of `source`.
    static void CutImage(HBITMAP& target, HDC dc, HBITMAP source, int x1, int y1, int x2, int y2);

    BOOL PreTranslateMessage(MSG* msg) override;
    void DrawItem(DRAWITEMSTRUCT* item) override;

    // Written directly by the creating dialog.
    CaptionColors m_textColors;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnMouseMove(WPARAM keys, LPARAM position);
    LRESULT OnLButtonDown(WPARAM keys, LPARAM position);
    LRESULT OnKillFocus(WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    void CreateTooltip();
    void DrawImage(HDC target, HBITMAP image, int width, int height) const;
    void DrawWithCaption(HDC target, HBITMAP image, const RECT& client,
                         const ButtonLook& look) const;
    void Repaint() { Invalidate(FALSE); }

    HWND m_tooltip = nullptr;
    int m_latched = 0;
    std::array<HBITMAP, 4> m_images{};
    std::u16string m_caption;
    int m_hovering = 0;
    int m_captionOffsetX = 0;
    int m_captionOffsetY = 0;
};

}  // namespace q5::win

/*
 * The three full-window pictures of a skinned dialog (normal, hover and
 * pressed face) loaded from the resources, and what the dialogs share: the
 * normal face as background, buttons cut from the faces, texts.
 */
#pragma once

#include <windows.h>

#include <string>

#include "platform/PlatformTypes.h"
#include "ui/win/CGDIBitmapBtn.h"

namespace q5::win {

class SkinFaces {
public:
    SkinFaces() = default;
    SkinFaces(const SkinFaces&) = delete;
    SkinFaces& operator=(const SkinFaces&) = delete;
    ~SkinFaces() { Free(); }

    void Load(int normalId, int hoverId, int pressedId);
    void Free();

    HBITMAP Normal() const { return m_normal; }
    HBITMAP Hover() const { return m_hover; }
    HBITMAP Pressed() const { return m_pressed; }
    // The normal face's size; `fallback` when it could not be loaded.
    SIZE Size(SIZE fallback) const;
    // Copies the normal face to (0, 0) of `dc` in its full size.
    void PaintNormal(HDC dc) const;
    // Creates `button` at `rect` of `parent` showing the faces' parts under
    // it (the normal face also when disabled).
    void CreateButton(CGDIBitmapBtn& button, const Rect& rect, CWnd* parent) const;

private:
    HBITMAP m_normal = nullptr;
    HBITMAP m_hover = nullptr;
    HBITMAP m_pressed = nullptr;
};

RECT ToRect(const Rect& r);
// DrawTextW of `text` in `where` with `format`, in the DC's font and colour.
void DrawSkinText(HDC dc, const std::u16string& text, const Rect& where, UINT format);

}  // namespace q5::win

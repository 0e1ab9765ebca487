/*
 * The three full-window pictures of a skinned dialog (normal, hover and
 * pressed face), loaded from the resources: the window paints the normal
 * face and its buttons cut their state images out of all three.
 */
#pragma once

#include <windows.h>

namespace q5::win {

class SkinFaces {
public:
    SkinFaces() = default;
    SkinFaces(const SkinFaces&) = delete;
    SkinFaces& operator=(const SkinFaces&) = delete;
    ~SkinFaces() { Free(); }

    void Load(int normalId, int hoverId, int pressedId);
    void Free();

    HBITMAP normal() const { return m_normal; }
    HBITMAP hover() const { return m_hover; }
    HBITMAP pressed() const { return m_pressed; }

    // The size of the normal face, or `fallback` when it did not load.
    SIZE Size(SIZE fallback) const;
    // Copies the normal face to (0, 0) of `dc` in its full size.
    void PaintNormal(HDC dc) const;

private:
    HBITMAP m_normal = nullptr;
    HBITMAP m_hover = nullptr;
    HBITMAP m_pressed = nullptr;
};

}  // namespace q5::win

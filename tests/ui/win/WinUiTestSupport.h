/*
 * Helpers of the Windows user-interface tests: a small language table, a
 * script of steps run from a timer while a modal loop or a menu runs, the
 * screenshots written into the build tree, and pixel reading from the
 * program's own bitmaps.
 */
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/PngWriter.h"
#include "ui/TextLookup.h"
#include "ui/win/CWnd.h"
#include "ui/win/WindowCapture.h"

namespace q5::win::test {

using TextMap = std::map<std::string, std::u16string, std::less<>>;

// A language table of these texts; `texts` must outlive the lookup.
inline TextLookup LookupIn(const TextMap& texts) {
    return [&texts](std::string_view key) {
        const auto found = texts.find(key);
        return found == texts.end() ? std::u16string() : found->second;
    };
}

inline TextLookup SampleTexts() {
    static const TextMap texts = {
        {"tc_ok", u"OK"},
        {"tc_cancel", u"Cancel"},
        {"tc_retitle", u"Korvo Q5"},
        {"tc_reinfo", u"Reset every gesture to its factory function?"},
        {"tc_config", u"Settings"},
        {"tc_exit", u"Exit"},
        {"tc_mouse_title", u"Korvo Q5 Mouse Driver"},
    };
    return LookupIn(texts);
}

// Runs `steps` one per timer tick, from whatever loop is dispatching (a
// modal dialog's or a menu's).
class TimerScript {
public:
    using Step = std::function<bool()>;

    explicit TimerScript(std::vector<Step> steps, UINT period = 60) : m_steps(std::move(steps)) {
        s_current = this;
        m_timer = ::SetTimer(nullptr, 0, period, &TimerScript::Tick);
    }
    TimerScript(const TimerScript&) = delete;
    TimerScript& operator=(const TimerScript&) = delete;
    ~TimerScript() {
        ::KillTimer(nullptr, m_timer);
        s_current = nullptr;
    }
    bool Finished() const { return m_next >= m_steps.size(); }

private:
    // A step counts as taken when it starts, so a step that runs a modal
    // loop lets the following steps run inside that loop; a step that
    // returns false is tried again on the next tick.
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        TimerScript* self = s_current;
        if (!self || self->Finished()) {
            return;
        }
        const std::size_t step = self->m_next++;
        if (!self->m_steps[step]()) {
            self->m_next = step;
        }
    }

    static inline TimerScript* s_current = nullptr;
    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    UINT_PTR m_timer = 0;
};

inline void SaveShot(const RgbImage& image, const std::string& name) {
#ifdef Q5_SCREENSHOT_DIR
    ::CreateDirectoryA(Q5_SCREENSHOT_DIR, nullptr);
    PngWriter::WriteFile(image, std::string(Q5_SCREENSHOT_DIR) + "/" + name);
#else
    (void)image;
    (void)name;
#endif
}

// The colour (0xRRGGBB) of one pixel of a bitmap resource.
inline std::uint32_t ResourcePixel(int bitmapId, int x, int y) {
    auto* bitmap = static_cast<HBITMAP>(::LoadImageW(AppInstance(), MAKEINTRESOURCEW(bitmapId),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previous = ::SelectObject(dc, bitmap);
    const COLORREF color = ::GetPixel(dc, x, y);
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    ::DeleteObject(bitmap);
    return (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
}

// A bitmap resource, whole, as 0xRRGGBB pixels.
inline RgbImage ResourceImage(int bitmapId) {
    auto* bitmap = static_cast<HBITMAP>(::LoadImageW(AppInstance(), MAKEINTRESOURCEW(bitmapId),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP info{};
    ::GetObjectW(bitmap, sizeof info, &info);
    RgbImage image;
    image.width = info.bmWidth;
    image.height = info.bmHeight;
    image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = image.width;
    format.bmiHeader.biHeight = -image.height;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    HDC dc = ::CreateCompatibleDC(nullptr);
    ::GetDIBits(dc, bitmap, 0, image.height, image.pixels.data(), &format, DIB_RGB_COLORS);
    ::DeleteDC(dc);
    ::DeleteObject(bitmap);
    for (std::uint32_t& pixel : image.pixels) {
        pixel &= 0xFFFFFF;  // BGRA in memory reads as 0x00RRGGBB
    }
    return image;
}

// Text drawn over a face, judged without depending on how a font
// rasterises: `inked` counts the pixels that differ from the face, `stray`
// those among them that are no mix of the face's colour and the text colour
// (every channel between the two, as any anti-aliasing blends).
struct Ink {
    int inked = 0;
    int stray = 0;
};

// Compares the `width` x `height` area of `shot` at (shotX, shotY) with
// the area of `face` at (faceX, faceY); `color` is 0xRRGGBB.
inline Ink InkOver(const RgbImage& shot, int shotX, int shotY, const RgbImage& face, int faceX,
                   int faceY, int width, int height, std::uint32_t color) {
    Ink ink;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t seen = shot.at(shotX + x, shotY + y);
            const std::uint32_t under = face.at(faceX + x, faceY + y);
            if (seen == under) {
                continue;
            }
            ++ink.inked;
            for (int shift : {0, 8, 16}) {
                const auto c = [shift](std::uint32_t rgb) { return int(rgb >> shift & 0xFF); };
                const int low = std::min(c(under), c(color));
                const int high = std::max(c(under), c(color));
                if (c(seen) < low || c(seen) > high) {
                    ++ink.stray;
                    break;
                }
            }
        }
    }
    return ink;
}

// A real left click at a screen point: the pointer moves there, then the
// button goes down and up through SendInput.
inline void ClickAt(int x, int y) {
    ::SetCursorPos(x, y);
    INPUT clicks[2]{};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, clicks, sizeof(INPUT));
}

// A real left click (SendInput) at the centre of a window.
inline void ClickCentre(HWND hwnd) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// Pumps the queue until it is empty, so windows have painted.
inline void Settle() {
    MSG msg;
    for (int round = 0; round < 5; ++round) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(20);
    }
}

}  // namespace q5::win::test

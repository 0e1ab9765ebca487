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

// How text drawn in one colour over a face shows in a screenshot: pixels
// that differ from the face (`touched`), and of those, pixels that are not a
// blend of the face and the text colour (`offColour`). Anti-aliasing and the
// font decide which pixels are touched, never their direction, so this holds
// whatever fonts the machine has.
struct CaptionInk {
    int touched = 0;
    int offColour = 0;
    // The bounding box of the touched pixels.
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};

inline bool BlendsToward(std::uint32_t face, std::uint32_t seen, std::uint32_t text) {
    for (int shift : {0, 8, 16}) {
        const int f = static_cast<int>(face >> shift & 0xFF);
        const int s = static_cast<int>(seen >> shift & 0xFF);
        const int t = static_cast<int>(text >> shift & 0xFF);
        if (s < std::min(f, t) || s > std::max(f, t)) {
            return false;
        }
    }
    return true;
}

// `area` of `shot` against the same area of bitmap resource `faceId`
// moved by (faceX, faceY), for text drawn in `textColour` (0xRRGGBB).
template <typename Area>
CaptionInk InkOver(const RgbImage& shot, int faceId, const Area& area, std::uint32_t textColour,
                   int faceX = 0, int faceY = 0) {
    auto* bitmap = static_cast<HBITMAP>(::LoadImageW(AppInstance(), MAKEINTRESOURCEW(faceId),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previous = ::SelectObject(dc, bitmap);
    CaptionInk ink;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF c = ::GetPixel(dc, x + faceX, y + faceY);
            const std::uint32_t face = (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
            const std::uint32_t seen = shot.at(x, y);
            if (seen != face) {
                ++ink.touched;
                ink.left = std::min(ink.left, x);
                ink.top = std::min(ink.top, y);
                ink.right = std::max(ink.right, x);
                ink.bottom = std::max(ink.bottom, y);
                ink.offColour += !BlendsToward(face, seen, textColour);
            }
        }
    }
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    ::DeleteObject(bitmap);
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

// A key of `vk` for SendInput, with its scan code, as a keyboard sends it.
inline INPUT KeyInput(WORD vk, DWORD flags = 0, ULONG_PTR extra = 0) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    input.ki.dwExtraInfo = extra;
    return input;
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

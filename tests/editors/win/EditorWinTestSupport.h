/*
 * Helpers of the macro editor's Windows tests: the message pump of the
 * program's own loop and real mouse clicks.
 */
#pragma once

#include <windows.h>

#include "ui/win/CWinApp.h"

namespace q5::win::test {

// Empties the queue as the program's message loop does, pre-translation
// included, so keys reach the windows as they would with a user.
inline void Pump() {
    MSG msg;
    for (int round = 0; round < 5; ++round) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!CWinApp::PreTranslate(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
        ::Sleep(20);
    }
}

// Clicks the left button `times` times at a screen point with real input.
inline void ClickAt(POINT screen, int times = 1) {
    ::SetCursorPos(screen.x, screen.y);
    for (int i = 0; i < times; ++i) {
        INPUT clicks[2]{};
        clicks[0].type = clicks[1].type = INPUT_MOUSE;
        clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        ::SendInput(2, clicks, sizeof(INPUT));
        Pump();
    }
}

// The centre of a list item in screen coordinates.
inline POINT ItemCentre(HWND list, int index) {
    RECT item{};
    ::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&item));
    POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ::ClientToScreen(list, &centre);
    return centre;
}

}  // namespace q5::win::test

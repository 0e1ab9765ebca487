/*
 * The mouse picture of the main window: a bitmap static that never erases
 * its background, so repainting does not flicker.
 */
#pragma once

#include "ui/win/CStatic.h"

namespace q5::win {

class CMouseBmp : public CStatic {
protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
            case WM_ERASEBKGND:
                return TRUE;
            default:
                return CStatic::HandleMessage(msg, wParam, lParam);
        }
    }
};

}  // namespace q5::win

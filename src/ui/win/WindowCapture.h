/*
 * Copies what a window shows into a picture, for the screenshot harness
 * and the pixel probes of the Windows tests.
 */
#pragma once

#include <windows.h>

#include "ui/PngWriter.h"

namespace q5::win {

// The whole window, frame included, as it is painted now.
RgbImage CaptureWindow(HWND hwnd);
// The part of the screen in `area` (screen coordinates): what every window
// of every process shows there.
RgbImage CaptureScreen(const RECT& area);

}  // namespace q5::win

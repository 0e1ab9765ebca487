#include "ui/win/WindowCapture.h"

namespace q5::win {

RgbImage CaptureWindow(HWND hwnd) {
    RECT frame{};
    ::GetWindowRect(hwnd, &frame);
    RgbImage image;
    image.width = frame.right - frame.left;
    image.height = frame.bottom - frame.top;
    if (image.width <= 0 || image.height <= 0) {
        return RgbImage{};
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC windowDc = ::GetWindowDC(hwnd);
    HDC memoryDc = ::CreateCompatibleDC(windowDc);
    HBITMAP dib = ::CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib && bits) {
        HGDIOBJ previous = ::SelectObject(memoryDc, dib);
        ::BitBlt(memoryDc, 0, 0, image.width, image.height, windowDc, 0, 0, SRCCOPY);
        ::GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        image.pixels.assign(pixels, pixels + static_cast<std::size_t>(image.width) *
                                                 static_cast<std::size_t>(image.height));
        for (std::uint32_t& p : image.pixels) {
            p &= 0xFFFFFF;  // BGRA in memory is 0xAARRGGBB as a number
        }
        ::SelectObject(memoryDc, previous);
    }
    if (dib) {
        ::DeleteObject(dib);
    }
    ::DeleteDC(memoryDc);
    ::ReleaseDC(hwnd, windowDc);
    return image;
}

}  // namespace q5::win

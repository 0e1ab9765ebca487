#include "ui/win/WindowCapture.h"

namespace q5::win {

namespace {

// The (x, y, width, height) part of what `source` shows.
RgbImage CaptureDc(HDC source, int x, int y, int width, int height) {
    RgbImage image;
    image.width = width;
    image.height = height;
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
    HDC memoryDc = ::CreateCompatibleDC(source);
    HBITMAP dib = ::CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib && bits) {
        HGDIOBJ previous = ::SelectObject(memoryDc, dib);
        ::BitBlt(memoryDc, 0, 0, image.width, image.height, source, x, y, SRCCOPY);
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
    return image;
}

}  // namespace

RgbImage CaptureWindow(HWND hwnd) {
    RECT frame{};
    ::GetWindowRect(hwnd, &frame);
    HDC windowDc = ::GetWindowDC(hwnd);
    RgbImage image = CaptureDc(windowDc, 0, 0, frame.right - frame.left, frame.bottom - frame.top);
    ::ReleaseDC(hwnd, windowDc);
    return image;
}

RgbImage CaptureScreen(const RECT& area) {
    HDC screenDc = ::GetDC(nullptr);
    RgbImage image =
        CaptureDc(screenDc, area.left, area.top, area.right - area.left, area.bottom - area.top);
    ::ReleaseDC(nullptr, screenDc);
    return image;
}

}  // namespace q5::win

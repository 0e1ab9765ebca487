#include <gtest/gtest.h>

#include <optional>

#include "WinUiTestSupport.h"
#include "ui/ResourceIds.h"
#include "ui/SkinLayout.h"
#include "ui/win/CGDIBitmapBtn.h"

namespace q5::win {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

HBITMAP LoadSkin(int id) {
    return static_cast<HBITMAP>(
        ::LoadImageW(AppInstance(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

std::uint32_t AsRgb(ColorRef color) {
    return (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
}

// The information dialog's face with its OK button on a plain host window.
class ButtonLooks : public ::testing::Test {
protected:
    void SetUp() override {
        const RECT frame{200, 200, 200 + skin::kInfoFaceSize.width,
                         200 + skin::kInfoFaceSize.height};
        ASSERT_TRUE(
            host.CreateEx(0, nullptr, L"button host", WS_POPUP | WS_VISIBLE, frame, nullptr, 0));
        normal = LoadSkin(Q5_IDB_INFO_NORMAL);
        hover = LoadSkin(Q5_IDB_INFO_HOVER);
        pressed = LoadSkin(Q5_IDB_INFO_PRESSED);
        const Rect r = skin::kInfoOkButton;
        rect = RECT{r.left, r.top, r.right, r.bottom};
        ASSERT_TRUE(button.Create(rect, &host));
        button.SetStateImages(normal, hover, pressed, normal, rect);
        ::SetCursorPos(1, 1);
        ::SetForegroundWindow(host.GetSafeHwnd());
        ::SetActiveWindow(host.GetSafeHwnd());
        test::Settle();
        ASSERT_EQ(host.GetSafeHwnd(), ::GetActiveWindow());
    }

    void TearDown() override {
        button.DestroyWindow();
        host.DestroyWindow();
        for (HBITMAP b : {normal, hover, pressed}) {
            ::DeleteObject(b);
        }
    }

    RgbImage Shot() {
        button.Invalidate(FALSE);
        ::UpdateWindow(button.GetSafeHwnd());
        return CaptureWindow(button.GetSafeHwnd());
    }

    // A corner of the button, clear of the caption.
    std::uint32_t FacePixel(int bitmapId) {
        return test::ResourcePixel(bitmapId, rect.left + 2, rect.top + 2);
    }

    // The caption is drawn over the face's part under the button, in
    // `colour` and nothing else, whatever the font looks like.
    void ExpectCaptionIn(const RgbImage& shot, int faceId, std::uint32_t colour) const {
        const RECT whole{0, 0, shot.width, shot.height};
        const test::CaptionInk ink =
            test::InkOver(shot, faceId, whole, colour, rect.left, rect.top);
        EXPECT_GT(ink.touched, 0);
        EXPECT_EQ(0, ink.offColour);
    }

    void Hover() { button.SendMessageW(WM_MOUSEMOVE, 0, MAKELPARAM(3, 3)); }

    CWnd host;
    CGDIBitmapBtn button;
    HBITMAP normal = nullptr;
    HBITMAP hover = nullptr;
    HBITMAP pressed = nullptr;
    RECT rect{};
};

TEST_F(ButtonLooks, EachStateShowsItsImageAndCaptionColour) {
    button.m_textColors = {Rgb(255, 255, 255), Rgb(83, 97, 103), Rgb(255, 255, 255)};
    button.SetCaption(u"OK");

    const RgbImage rest = Shot();
    ASSERT_EQ(rect.right - rect.left, rest.width);
    EXPECT_EQ(FacePixel(Q5_IDB_INFO_NORMAL), rest.at(2, 2));
    ExpectCaptionIn(rest, Q5_IDB_INFO_NORMAL, AsRgb(Rgb(83, 97, 103)));
    test::SaveShot(rest, "button-normal.png");

    Hover();
    EXPECT_TRUE(button.IsHovering());
    const RgbImage lit = Shot();
    EXPECT_EQ(FacePixel(Q5_IDB_INFO_HOVER), lit.at(2, 2));
    ExpectCaptionIn(lit, Q5_IDB_INFO_HOVER, kWhite);
    test::SaveShot(lit, "button-hover.png");
    ::ReleaseCapture();
    button.SendMessageW(WM_KILLFOCUS);
    EXPECT_FALSE(button.IsHovering());

    button.SetState(TRUE);
    const RgbImage held = Shot();
    EXPECT_EQ(FacePixel(Q5_IDB_INFO_PRESSED), held.at(2, 2));
    ExpectCaptionIn(held, Q5_IDB_INFO_PRESSED, kWhite);
    test::SaveShot(held, "button-pressed.png");
    button.SetState(FALSE);

    button.SetLatched(1);
    const RgbImage latched = Shot();
    EXPECT_EQ(FacePixel(Q5_IDB_INFO_PRESSED), latched.at(2, 2));
    test::SaveShot(latched, "button-latched.png");
    button.SetLatched(0);

    button.EnableWindow(FALSE);
    const RgbImage disabled = Shot();
    EXPECT_EQ(FacePixel(Q5_IDB_INFO_NORMAL), disabled.at(2, 2));
    ExpectCaptionIn(disabled, Q5_IDB_INFO_NORMAL, AsRgb(Rgb(83, 97, 103)));
    test::SaveShot(disabled, "button-disabled.png");
}

TEST_F(ButtonLooks, LatchedButtonStaysPressedWhileHovered) {
    button.SetLatched(1);
    Hover();
    EXPECT_EQ(FacePixel(Q5_IDB_INFO_PRESSED), Shot().at(2, 2));
    ::ReleaseCapture();
}

TEST_F(ButtonLooks, PressedCaptionMovesOnePixelRightAndDown) {
    button.SetCaption(u"OK");  // the button's own colours: pressed differs from the rest
    const RgbImage restShot = Shot();
    const RECT whole{0, 0, restShot.width, restShot.height};
    const test::CaptionInk rest =
        test::InkOver(restShot, Q5_IDB_INFO_NORMAL, whole, AsRgb(button.m_textColors.normal),
                      rect.left, rect.top);
    button.SetLatched(1);
    const test::CaptionInk latched =
        test::InkOver(Shot(), Q5_IDB_INFO_PRESSED, whole, AsRgb(button.m_textColors.pressed),
                      rect.left, rect.top);
    ASSERT_GT(rest.touched, 0);
    EXPECT_EQ(0, rest.offColour);
    EXPECT_EQ(0, latched.offColour);
    EXPECT_EQ(rest.left + 1, latched.left);
    EXPECT_EQ(rest.top + 1, latched.top);
    EXPECT_EQ(rest.right + 1, latched.right);
    EXPECT_EQ(rest.bottom + 1, latched.bottom);
}

TEST_F(ButtonLooks, DraggingInWithTheButtonDownDoesNotHighlight) {
    button.SendMessageW(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_FALSE(button.IsHovering());
    EXPECT_EQ(FacePixel(Q5_IDB_INFO_NORMAL), Shot().at(2, 2));
}

TEST_F(ButtonLooks, CuttingFromANullSourceKeepsTheImage) {
    button.SetStateImages(nullptr, nullptr, nullptr, nullptr, RECT{0, 0, 10, 10});
    EXPECT_EQ(FacePixel(Q5_IDB_INFO_NORMAL), Shot().at(2, 2));
}

TEST_F(ButtonLooks, WithoutImagesItsAreaStaysUnpaintedEvenWithACaption) {
    constexpr int kSize = 40;
    CGDIBitmapBtn bare;
    ASSERT_TRUE(bare.Create(RECT{0, 0, kSize, kSize}, &host));
    bare.SetCaption(u"OK");
    bare.m_textColors = {Rgb(255, 255, 255), Rgb(83, 97, 103), Rgb(255, 255, 255)};
    constexpr COLORREF kMarker = RGB(0x12, 0x34, 0x56);
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP canvas = ::CreateCompatibleBitmap(screen, kSize, kSize);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ previous = ::SelectObject(dc, canvas);
    const RECT all{0, 0, kSize, kSize};
    HBRUSH brush = ::CreateSolidBrush(kMarker);
    ::FillRect(dc, &all, brush);
    ::DeleteObject(brush);

    // Drawn as the parent asks an owner-drawn button to draw, at rest and
    // pressed, into a canvas filled with a marker colour.
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.hwndItem = bare.GetSafeHwnd();
    item.hDC = dc;
    item.rcItem = all;
    bare.DrawItem(&item);
    item.itemState = ODS_SELECTED;
    bare.DrawItem(&item);

    int changed = 0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            changed += ::GetPixel(dc, x, y) != kMarker;
        }
    }
    ::SelectObject(dc, previous);
    ::DeleteObject(canvas);
    ::DeleteDC(dc);
    bare.DestroyWindow();
    EXPECT_EQ(0, changed);
}

TEST_F(ButtonLooks, TabStopIsRemoved) {
    EXPECT_EQ(0, button.GetStyle() & (WS_TABSTOP | WS_BORDER));
    EXPECT_EQ(static_cast<LONG_PTR>(CGDIBitmapBtn::kStyle),
              button.GetStyle() & static_cast<LONG_PTR>(CGDIBitmapBtn::kStyle));
}

}  // namespace
}  // namespace q5::win

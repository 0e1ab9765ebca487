#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "WinUiTestSupport.h"
#include "ui/ResourceIds.h"
#include "ui/SkinLayout.h"
#include "ui/win/CGDIBitmapBtn.h"
#include "ui/win/SkinFaces.h"
#include "ui/win/SkinFont.h"

namespace q5::win {
namespace {

HBITMAP LoadSkin(int id) {
    return static_cast<HBITMAP>(
        ::LoadImageW(AppInstance(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

// The main window's skin with every button placed at its layout rectangle,
// as the main dialog places them: slot buttons take hover from the pressed
// picture and pressed from the highlight picture, the others the reverse.
class SkinWindow : public CWnd {
public:
    SkinWindow() {
        normal = LoadSkin(Q5_IDB_MAIN_NORMAL);
        highlight = LoadSkin(Q5_IDB_MAIN_HIGHLIGHT);
        pressed = LoadSkin(Q5_IDB_MAIN_PRESSED);
    }
    ~SkinWindow() override {
        buttons.clear();
        slots.clear();
        DestroyWindow();
        for (HBITMAP b : {normal, highlight, pressed}) {
            ::DeleteObject(b);
        }
    }

    bool Open() {
        const RECT frame{40, 40, 40 + skin::kMainSkinSize.width, 40 + skin::kMainSkinSize.height};
        if (!CreateEx(0, nullptr, L"Korvo Q5 skin", WS_POPUP | WS_VISIBLE, frame, nullptr, 0)) {
            return false;
        }
        const Rect singles[] = {skin::kMainMinimiseButton, skin::kMainCloseButton,
                                skin::kMainApplyButton,    skin::kMainResetButton,
                                skin::kMainPageLeftButton, skin::kMainPageRightButton};
        const char16_t* captions[] = {u"", u"", u"Apply", u"Reset", u"", u""};
        for (std::size_t i = 0; i < std::size(singles); ++i) {
            buttons.push_back(MakeButton(singles[i], highlight, pressed, captions[i]));
        }
        const char16_t* names[] = {u"Left click",  u"Right click",  u"Middle click", u"Scroll up",
                                   u"Scroll down", u"Charms",       u"Switch apps",  u"Minimise",
                                   u"Restore",     u"Start screen", u"Show desktop", u"Forward",
                                   u"Back"};
        for (std::size_t i = 0; i < skin::kMainSlotButtons.size(); ++i) {
            slots.push_back(MakeButton(skin::kMainSlotButtons[i], pressed, highlight, names[i]));
        }
        return true;
    }

    std::vector<std::unique_ptr<CGDIBitmapBtn>> buttons;
    std::vector<std::unique_ptr<CGDIBitmapBtn>> slots;
    HBITMAP normal = nullptr;
    HBITMAP highlight = nullptr;
    HBITMAP pressed = nullptr;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
            case WM_PAINT:
                return OnPaint();
            case WM_ERASEBKGND:
                return TRUE;
            default:
                return CWnd::HandleMessage(msg, wParam, lParam);
        }
    }

private:
    std::unique_ptr<CGDIBitmapBtn> MakeButton(const Rect& where, HBITMAP hover, HBITMAP down,
                                              const char16_t* caption) {
        auto button = std::make_unique<CGDIBitmapBtn>();
        const RECT rect = ToRect(where);
        button->Create(rect, this);
        button->SetStateImages(normal, hover, down, normal, rect);
        if (*caption) {
            button->SetCaption(caption);
            button->m_textColors = {Rgb(55, 55, 55), Rgb(66, 66, 66), Rgb(55, 55, 55)};
            button->SetTooltip(caption);
        }
        return button;
    }

    LRESULT OnPaint() {
        PAINTSTRUCT paint{};
        HDC dc = ::BeginPaint(m_hWnd, &paint);
        HDC skinDc = ::CreateCompatibleDC(dc);
        {
            SelectedObject selected(skinDc, normal);
            ::BitBlt(dc, 0, 0, skin::kMainSkinSize.width, skin::kMainSkinSize.height, skinDc, 0, 0,
                     SRCCOPY);
        }
        ::DeleteDC(skinDc);
        ::EndPaint(m_hWnd, &paint);
        return 0;
    }
};

TEST(MainSkin, ButtonsAtTheLayoutShowTheirPartsOfTheSkins) {
    SkinWindow window;
    ASSERT_TRUE(window.Open());
    ::SetForegroundWindow(window.GetSafeHwnd());
    ::SetActiveWindow(window.GetSafeHwnd());
    ::SetCursorPos(1, 1);
    test::Settle();
    ASSERT_EQ(window.GetSafeHwnd(), ::GetActiveWindow());

    window.slots[7]->SetLatched(1);
    window.buttons[2]->SetState(TRUE);  // Apply held down
    test::Settle();
    // The pointer rests on slot 3.
    CGDIBitmapBtn& slot3 = *window.slots[3];
    const RECT slotFrame = slot3.GetWindowRect();
    ::SetCursorPos((slotFrame.left + slotFrame.right) / 2, (slotFrame.top + slotFrame.bottom) / 2);
    slot3.SendMessageW(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(slot3.IsHovering());
    ::RedrawWindow(window.GetSafeHwnd(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const RgbImage shot = CaptureWindow(window.GetSafeHwnd());
    ::ReleaseCapture();
    test::SaveShot(shot, "main-window.png");

    ASSERT_EQ(skin::kMainSkinSize.width, shot.width);
    const auto probe = [&](const Rect& r, int bitmapId) {
        EXPECT_EQ(test::ResourcePixel(bitmapId, r.left + 2, r.top + 2),
                  shot.at(r.left + 2, r.top + 2))
            << r.left << "," << r.top;
    };
    probe(skin::kMainSlotButtons[0], Q5_IDB_MAIN_NORMAL);
    probe(skin::kMainSlotButtons[3], Q5_IDB_MAIN_PRESSED);    // hovered slot: darkened
    probe(skin::kMainSlotButtons[7], Q5_IDB_MAIN_HIGHLIGHT);  // latched slot: orange
    probe(skin::kMainApplyButton, Q5_IDB_MAIN_PRESSED);       // held button: darkened
    probe(skin::kMainResetButton, Q5_IDB_MAIN_NORMAL);
}

}  // namespace
}  // namespace q5::win

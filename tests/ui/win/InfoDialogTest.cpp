#include <gtest/gtest.h>

#include "WinUiTestSupport.h"
#include "ui/ResourceIds.h"
#include "ui/SkinLayout.h"
#include "ui/win/CInfoDlg.h"

namespace q5::win {
namespace {

using test::TimerScript;

CInfoDlg* OpenInfoDialog() {
    return dynamic_cast<CInfoDlg*>(CWnd::FromHandle(::FindWindowW(nullptr, L"KorvoZ100InfoDlg")));
}

// Runs ShowInfoDialog while `act` is applied to the open dialog.
INT_PTR RunWith(const std::function<void(CInfoDlg&)>& act) {
    ::SetCursorPos(1, 1);  // away from the buttons, so none hovers by chance
    int ticks = 0;
    TimerScript script({
        [&] {
            CInfoDlg* dialog = OpenInfoDialog();
            if (!dialog || !dialog->IsWindowVisible()) {
                return false;  // not open yet: try again on the next tick
            }
            test::Settle();
            act(*dialog);
            return true;
        },
        [&] {
            // Still open long after the action: give up instead of hanging.
            if (++ticks < 100) {
                return false;
            }
            if (CInfoDlg* dialog = OpenInfoDialog()) {
                dialog->EndDialog(-2);
            }
            return true;
        },
    });
    return ShowInfoDialog(u"Reset every gesture to its factory function?", test::SampleTexts());
}

TEST(InfoDialog, OkButtonReturnsIdok) {
    EXPECT_EQ(IDOK, RunWith([](CInfoDlg& d) { d.OkButton().SendMessageW(BM_CLICK); }));
}

TEST(InfoDialog, CancelButtonReturnsIdcancel) {
    EXPECT_EQ(IDCANCEL, RunWith([](CInfoDlg& d) { d.CancelButton().SendMessageW(BM_CLICK); }));
}

TEST(InfoDialog, CloseButtonReturnsIdcancel) {
    EXPECT_EQ(IDCANCEL, RunWith([](CInfoDlg& d) { d.CloseButton().SendMessageW(BM_CLICK); }));
}

TEST(InfoDialog, EscapeReturnsIdcancelAndEnterIdok) {
    EXPECT_EQ(IDCANCEL, RunWith([](CInfoDlg& d) {
                  ::PostMessageW(d.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
              }));
    EXPECT_EQ(IDOK, RunWith([](CInfoDlg& d) {
                  ::PostMessageW(d.GetSafeHwnd(), WM_KEYDOWN, VK_RETURN, 0);
              }));
}

TEST(InfoDialog, WindowCloseReturnsIdcancel) {
    EXPECT_EQ(IDCANCEL, RunWith([](CInfoDlg& d) { d.PostMessageW(WM_CLOSE); }));
}

TEST(InfoDialog, RealMouseClickOnOk) {
    const INT_PTR result = RunWith([](CInfoDlg& d) {
        ::SetForegroundWindow(d.GetSafeHwnd());
        test::ClickCentre(d.OkButton().GetSafeHwnd());
    });
    EXPECT_EQ(IDOK, result);
}

TEST(InfoDialog, FaceTitleAndButtonsShowAsDrawn) {
    RgbImage shot;
    RgbImage hoverShot;
    RECT frame{};
    const INT_PTR result = RunWith([&](CInfoDlg& d) {
        ::UpdateWindow(d.GetSafeHwnd());
        test::Settle();
        shot = CaptureWindow(d.GetSafeHwnd());
        frame = d.GetWindowRect();
        ::SetActiveWindow(d.GetSafeHwnd());
        d.OkButton().SendMessageW(WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
        ::UpdateWindow(d.OkButton().GetSafeHwnd());
        hoverShot = CaptureWindow(d.GetSafeHwnd());
        d.CancelButton().SendMessageW(BM_CLICK);
    });
    EXPECT_EQ(IDCANCEL, result);
    test::SaveShot(shot, "info-dialog.png");
    test::SaveShot(hoverShot, "info-dialog-ok-hover.png");

    ASSERT_EQ(skin::kInfoFaceSize.width, shot.width);
    ASSERT_EQ(skin::kInfoFaceSize.height, shot.height);
    // Centred in the full-screen work area.
    EXPECT_EQ((::GetSystemMetrics(SM_CXFULLSCREEN) - shot.width) / 2, frame.left);
    // The face where nothing is drawn over it: the warning sign's centre.
    const Rect sign = skin::kInfoWarningSign;
    const int sx = sign.left + 8;
    const int sy = sign.bottom - 8;
    EXPECT_EQ(test::ResourcePixel(Q5_IDB_INFO_NORMAL, sx, sy), shot.at(sx, sy));
    // A corner of the OK button shows the normal face, then the hover face.
    const Rect ok = skin::kInfoOkButton;
    EXPECT_EQ(test::ResourcePixel(Q5_IDB_INFO_NORMAL, ok.left + 2, ok.top + 2),
              shot.at(ok.left + 2, ok.top + 2));
    EXPECT_EQ(test::ResourcePixel(Q5_IDB_INFO_HOVER, ok.left + 2, ok.top + 2),
              hoverShot.at(ok.left + 2, ok.top + 2));
    // The hovered caption is written in white: whatever the font, every
    // pixel it touches lies between the hover face and white, and some do.
    const test::CaptionInk ink = test::InkOver(hoverShot, Q5_IDB_INFO_HOVER, ok, 0xFFFFFF);
    EXPECT_GT(ink.touched, 0);
    EXPECT_EQ(0, ink.offColour);
}

}  // namespace
}  // namespace q5::win

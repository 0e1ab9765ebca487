#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <utility>
#include <vector>

#include "WinUiTestSupport.h"
#include "model/GestureSlots.h"
#include "ui/GesturePanelLayout.h"
#include "ui/ResourceIds.h"
#include "ui/SkinLayout.h"
#include "ui/win/CDlgHand1.h"
#include "ui/win/SkinBitmap.h"
#include "ui/win/WideText.h"

namespace q5::win {
namespace {

constexpr std::uint32_t kOrange = 0xE8782F;  // the frame of a selected picture
constexpr std::uint32_t kLabelColour = 0x424242;
constexpr std::uint32_t kMarkColour = 0x536164;  // RGB(83, 97, 100)

// Short gesture names, so every label fits under its picture.
TextLookup PanelTexts() {
    static const std::array<std::u16string, kSlotCount> names = {
        u"Left click", u"Right click", u"Two-finger click", u"Up",        u"Down",
        u"Left",       u"Right",       u"Right edge",       u"Left edge", u"Two up",
        u"Two down",   u"Two left",    u"Two right"};
    return [](std::string_view key) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            if (key == GestureLabelKey(slot)) {
                return names[static_cast<std::size_t>(slot)];
            }
        }
        return key == "tc_mark" ? std::u16string(u"Gestures") : std::u16string();
    };
}

// Stands in for the main dialog: its skin as background, the panel where
// the main dialog puts it, and a record of the panel's notifications.
class PanelHost : public CWnd {
public:
    PanelHost() : m_skin(LoadBitmapResource(Q5_IDB_MAIN_NORMAL)) {}
    ~PanelHost() override {
        DestroyWindow();
        ::DeleteObject(m_skin);
    }

    std::vector<std::pair<WPARAM, LPARAM>> notifications;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
            case CDlgHand1::kSlotMessage:
                notifications.emplace_back(wParam, lParam);
                return 1;
            case WM_PAINT:
                return OnPaint();
            case WM_ERASEBKGND:
                return TRUE;
            default:
                return CWnd::HandleMessage(msg, wParam, lParam);
        }
    }

private:
    LRESULT OnPaint() {
        PAINTSTRUCT paint{};
        PaintBitmap(::BeginPaint(m_hWnd, &paint), m_skin);
        ::EndPaint(m_hWnd, &paint);
        return 0;
    }

    HBITMAP m_skin;
};

using Notification = std::pair<WPARAM, LPARAM>;

class GesturePanel : public ::testing::Test {
protected:
    void SetUp() override {
        const RECT frame{40, 40, 40 + skin::kMainSkinSize.width, 40 + skin::kMainSkinSize.height};
        ASSERT_TRUE(
            host.CreateEx(0, nullptr, L"panel host", WS_POPUP | WS_VISIBLE, frame, nullptr, 0));
        ASSERT_TRUE(panel.Create(&host));
        panel.ShowWindow(SW_SHOW);
        const Rect place = skin::kMainPanel;
        panel.MoveWindow(place.left, place.top, place.right - place.left, place.bottom - place.top);
        ::SetForegroundWindow(host.GetSafeHwnd());
        ::SetActiveWindow(host.GetSafeHwnd());
        MoveAway();
        ASSERT_EQ(host.GetSafeHwnd(), ::GetActiveWindow());
    }

    void TearDown() override {
        MoveAway();
        panel.DestroyWindow();
        host.DestroyWindow();
    }

    // A point of the panel's client area on the screen.
    POINT OnScreen(int x, int y) {
        POINT point{x, y};
        ::ClientToScreen(panel.GetSafeHwnd(), &point);
        return point;
    }

    static void MoveTo(POINT screen) {
        ::SetCursorPos(screen.x, screen.y);
        INPUT move{};
        move.type = INPUT_MOUSE;
        move.mi.dx = screen.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
        move.mi.dy = screen.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
        move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        ::SendInput(1, &move, sizeof move);
        test::Settle();
    }

    // The pointer off the panel, so no picture shows its hover look.
    void MoveAway() { MoveTo(OnScreen(300, 15)); }

    // A real left click at the middle of `slot`'s picture; waits for the
    // panel's notification.
    void ClickPicture(int slot) {
        const Rect r = PanelSlotLayoutOf(slot).picture;
        MoveTo(OnScreen((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        INPUT clicks[2]{};
        clicks[0].type = clicks[1].type = INPUT_MOUSE;
        clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        const std::size_t before = host.notifications.size();
        ::SendInput(2, clicks, sizeof(INPUT));
        for (int round = 0; round < 40 && host.notifications.size() == before; ++round) {
            test::Settle();
        }
    }

    RgbImage Shot() {
        ::RedrawWindow(panel.GetSafeHwnd(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        test::Settle();
        return CaptureWindow(panel.GetSafeHwnd());
    }

    // Which picture strip a slot shows, judged at two points whose colours
    // the artwork fixes: the frame's left edge (orange only when framed)
    // and the mouse body (lighter only when faded).
    enum class Look { Plain, Framed, Faded, Other };
    static Look LookOf(const RgbImage& shot, int slot) {
        const PanelSlotLayout layout = PanelSlotLayoutOf(slot);
        const Rect r = layout.picture;
        const int bodyX = (r.left + r.right) / 2 - 16;
        const int bodyY = r.top + 48;
        const std::uint32_t body = shot.at(bodyX, bodyY);
        const std::uint32_t edge = shot.at(r.left + 1, r.top + 20);
        const std::uint32_t plainBody =
            test::ResourcePixel(layout.pictureImages.normal, bodyX, bodyY);
        const std::uint32_t fadedBody =
            test::ResourcePixel(layout.fadedImages.normal, bodyX, bodyY);
        if (edge == kOrange && body == plainBody) {
            return Look::Framed;
        }
        if (edge != kOrange && body == plainBody) {
            return Look::Plain;
        }
        return edge != kOrange && body == fadedBody ? Look::Faded : Look::Other;
    }

    void ExpectVisible(int slot, bool picture, bool faded, bool label) {
        EXPECT_EQ(picture, panel.PictureButton(slot).IsWindowVisible() != FALSE) << slot;
        EXPECT_EQ(faded, panel.FadedButton(slot).IsWindowVisible() != FALSE) << slot;
        EXPECT_EQ(label, panel.LabelButton(slot).IsWindowVisible() != FALSE) << slot;
    }

    void ExpectPageShown(int page, int framedSlot) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const bool onPage = (slot < 7 ? 0 : 1) == page;
            const bool faded = onPage && framedSlot >= 0 && slot != framedSlot;
            ExpectVisible(slot, onPage && !faded, faded, onPage);
            EXPECT_EQ(slot == framedSlot ? 1 : 0, panel.PictureButton(slot).IsLatched()) << slot;
        }
    }

    void ExpectLooks(const RgbImage& shot, int first, int last, int framedSlot) {
        for (int slot = first; slot < last; ++slot) {
            const Look want = framedSlot < 0       ? Look::Plain
                              : slot == framedSlot ? Look::Framed
                                                   : Look::Faded;
            EXPECT_EQ(want, LookOf(shot, slot)) << "slot " << slot;
        }
    }

    PanelHost host;
    CDlgHand1 panel{PanelTexts()};
};

std::u16string TooltipText(CGDIBitmapBtn& button) {
    wchar_t text[128] = {};
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = button.GetSafeHwnd();
    tool.uId = 1;
    tool.lpszText = text;
    ::SendMessageW(button.GetTooltip(), TTM_GETTEXTW, std::size(text),
                   reinterpret_cast<LPARAM>(&tool));
    return FromWide(text);
}

int CountColour(const RgbImage& shot, const Rect& r, std::uint32_t colour) {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            count += shot.at(x, y) == colour;
        }
    }
    return count;
}

TEST_F(GesturePanel, OpensOnPageZeroAtTheMainDialogsPlace) {
    RECT frame = panel.GetWindowRect();
    ::MapWindowPoints(nullptr, host.GetSafeHwnd(), reinterpret_cast<POINT*>(&frame), 2);
    const Rect place = skin::kMainPanel;
    EXPECT_EQ(place.left, frame.left);
    EXPECT_EQ(place.top, frame.top);
    EXPECT_EQ(place.right, frame.right);
    EXPECT_EQ(place.bottom, frame.bottom);
    EXPECT_EQ(0, panel.CurrentPage());
    ExpectPageShown(0, -1);

    const RgbImage shot = Shot();
    test::SaveShot(shot, "panel-page0.png");
    ExpectLooks(shot, 0, 7, -1);
    // The grey background with its groove, and the line over the pictures
    // in its own colour.
    for (const POINT p : {POINT{2, 2}, POINT{300, 34}, POINT{603, 100}}) {
        EXPECT_EQ(test::ResourcePixel(Q5_IDB_PANEL_BACKGROUND, p.x, p.y), shot.at(p.x, p.y))
            << p.x << "," << p.y;
    }
    const test::CaptionInk mark =
        test::InkOver(shot, Q5_IDB_PANEL_BACKGROUND, skin::kPanelMarkText, kMarkColour);
    EXPECT_GT(mark.touched, 0);
    EXPECT_EQ(0, mark.offColour);
    EXPECT_EQ(0, CountColour(shot, Rect{0, 36, 605, 169}, kMarkColour));
    // Labels in their dark grey on the faded strip's face.
    for (int slot = 0; slot < 7; ++slot) {
        const Rect label = PanelSlotLayoutOf(slot).label;
        const test::CaptionInk ink = test::InkOver(shot, Q5_IDB_PAGE0_FADED, label, kLabelColour);
        EXPECT_GT(ink.touched, 0) << slot;
        EXPECT_EQ(0, ink.offColour) << slot;
        EXPECT_EQ(test::ResourcePixel(Q5_IDB_PAGE0_FADED, label.left + 1, label.top + 1),
                  shot.at(label.left + 1, label.top + 1))
            << slot;
    }
}

TEST_F(GesturePanel, BeforeTheMainDialogMovesItThePanelIsCentredInItsStripSize) {
    CDlgHand1 fresh(PanelTexts());
    ASSERT_TRUE(fresh.Create(&host));
    RECT frame = fresh.GetWindowRect();
    ::MapWindowPoints(nullptr, host.GetSafeHwnd(), reinterpret_cast<POINT*>(&frame), 2);
    const auto [width, height] = skin::kPanelStripSize;
    EXPECT_EQ((::GetSystemMetrics(SM_CXFULLSCREEN) - width) / 2, frame.left);
    EXPECT_EQ((::GetSystemMetrics(SM_CYFULLSCREEN) - height) / 2, frame.top);
    EXPECT_EQ(width, frame.right - frame.left);
    EXPECT_EQ(height, frame.bottom - frame.top);
    EXPECT_FALSE(fresh.IsWindowVisible());  // the main dialog shows it
}

TEST_F(GesturePanel, EveryTooltipEqualsTheLabelUnderThePicture) {
    const TextLookup texts = PanelTexts();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const std::u16string label = texts(PanelSlotLayoutOf(slot).labelKey);
        ASSERT_FALSE(label.empty());
        EXPECT_EQ(label, panel.LabelButton(slot).Caption()) << slot;
        EXPECT_EQ(label, TooltipText(panel.PictureButton(slot))) << slot;
        EXPECT_EQ(label, TooltipText(panel.FadedButton(slot))) << slot;
        EXPECT_EQ(nullptr, panel.LabelButton(slot).GetTooltip()) << slot;
    }
}

TEST_F(GesturePanel, ClickingAPictureSelectsItAndClickingAgainDeselects) {
    ClickPicture(3);
    ASSERT_EQ((std::vector<Notification>{{3, 0}}), host.notifications);
    MoveAway();
    ExpectPageShown(0, 3);
    const RgbImage selected = Shot();
    test::SaveShot(selected, "panel-slot3-selected.png");
    ExpectLooks(selected, 0, 7, 3);

    ClickPicture(3);
    ASSERT_EQ((std::vector<Notification>{{3, 0}, {3, 1}}), host.notifications);
    MoveAway();
    ExpectPageShown(0, -1);
    ExpectLooks(Shot(), 0, 7, -1);
}

TEST_F(GesturePanel, ClickingAFadedPictureMovesTheSelection) {
    ClickPicture(3);
    ClickPicture(5);
    ASSERT_EQ((std::vector<Notification>{{3, 0}, {5, 0}}), host.notifications);
    MoveAway();
    ExpectPageShown(0, 5);
    ExpectLooks(Shot(), 0, 7, 5);
}

TEST_F(GesturePanel, PageOneClearsTheSelectionAndTakesClicksAtTheSamePlaces) {
    ClickPicture(3);
    MoveAway();
    panel.ShowPage(1);
    EXPECT_EQ(1, panel.CurrentPage());
    ExpectPageShown(1, -1);
    const RgbImage page1 = Shot();
    test::SaveShot(page1, "panel-page1.png");
    ExpectLooks(page1, 7, kSlotCount, -1);
    // The place of page 0's last picture is empty grey on page 1.
    const Rect gone = PanelSlotLayoutOf(6).picture;
    EXPECT_EQ(test::ResourcePixel(Q5_IDB_PANEL_BACKGROUND, gone.left + 40, gone.top + 40),
              page1.at(gone.left + 40, gone.top + 40));
    EXPECT_EQ(0, CountColour(page1, PanelSlotLayoutOf(6).label, kLabelColour));

    // Slot 10 sits where slot 3 sat.
    ClickPicture(10);
    ASSERT_EQ((std::vector<Notification>{{3, 0}, {10, 0}}), host.notifications);
    MoveAway();
    ExpectPageShown(1, 10);
    ExpectLooks(Shot(), 7, kSlotCount, 10);

    panel.ShowPage(0);
    ExpectPageShown(0, -1);
    ExpectLooks(Shot(), 0, 7, -1);
}

TEST_F(GesturePanel, SelectionFromTheMainDialogPostsNothingAndSlotThirteenChangesNothing) {
    panel.ShowPage(1);
    panel.SelectSlot(8, 1);
    ExpectPageShown(1, 8);
    panel.SelectSlot(13, 1);
    ExpectPageShown(1, 8);
    const RgbImage shot = Shot();
    ExpectLooks(shot, 7, kSlotCount, 8);
    test::SaveShot(shot, "panel-page1-slot8-selected.png");
    panel.SelectSlot(8, 0);
    ExpectPageShown(1, -1);
    test::Settle();
    EXPECT_TRUE(host.notifications.empty());
}

TEST_F(GesturePanel, PicturesShowTheGestureMarksUnderThePointerEvenFaded) {
    panel.SelectSlot(3, 1);
    // Slot 1's tap ring: orange in the marks strip only.
    const Rect r = PanelSlotLayoutOf(1).picture;
    const int ringX = (r.left + r.right) / 2 + 15;
    const int ringY = r.top + 24;
    ASSERT_EQ(kOrange, test::ResourcePixel(Q5_IDB_PAGE0_MARKS, ringX, ringY));
    ASSERT_NE(kOrange, test::ResourcePixel(Q5_IDB_PAGE0_FADED, ringX, ringY));
    EXPECT_NE(kOrange, Shot().at(ringX, ringY));

    MoveTo(OnScreen(r.left + 10, r.bottom - 10));
    EXPECT_TRUE(panel.FadedButton(1).IsHovering());
    const RgbImage hovered = Shot();
    test::SaveShot(hovered, "panel-faded-hover.png");
    EXPECT_EQ(kOrange, hovered.at(ringX, ringY));

    MoveAway();
    EXPECT_FALSE(panel.FadedButton(1).IsHovering());
    panel.SelectSlot(3, 0);
    MoveTo(OnScreen(r.left + 10, r.bottom - 10));
    EXPECT_TRUE(panel.PictureButton(1).IsHovering());
    EXPECT_EQ(kOrange, Shot().at(ringX, ringY));
}

}  // namespace
}  // namespace q5::win

// The demo's Gesture Pad as a user and q5tool gesture use it: real clicks on
// its buttons, scripts from another process, refused payloads.
#include "app/win/CGesturePad.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "ToolRunner.h"
#include "ui/win/WideText.h"
#include "ui/win/WinUiTestSupport.h"
#include "ui/win/WindowCapture.h"

namespace q5::win {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

struct Fired {
    std::uint32_t code;
    DWORD tick;
};

// A plain top-level window standing in for the main window.
class OwnerWindow : public CWnd {
public:
    OwnerWindow() {
        CreateEx(0, nullptr, L"Pad owner", WS_POPUP | WS_VISIBLE, RECT{40, 40, 718, 509}, nullptr,
                 0);
    }
};

class GesturePadTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pad.Create(owner.GetSafeHwnd()));
        ::SetForegroundWindow(owner.GetSafeHwnd());
        test::Settle();
    }

    // Pumps messages until `count` events were fired or five seconds passed.
    void PumpUntilFired(std::size_t count, const std::atomic<bool>* alsoDone = nullptr) {
        const DWORD deadline = ::GetTickCount() + 5000;
        MSG msg;
        while (::GetTickCount() < deadline && (fired.size() < count || (alsoDone && !*alsoDone))) {
            while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }

    void ClickButton(std::size_t index) {
        const RECT r = pad.Button(index).GetWindowRect();
        test::ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }

    // Runs q5tool on a thread of its own while this thread keeps the pad's
    // messages flowing (the tool waits for the pad's answer).
    q5::test::ToolResult RunToolPumping(const std::string& arguments, std::size_t expectFired) {
        q5::test::ToolResult result;
        std::atomic<bool> done{false};
        std::thread tool([&] {
            result = q5::test::RunTool(arguments);
            done = true;
        });
        PumpUntilFired(expectFired, &done);
        tool.join();
        return result;
    }

    std::vector<std::uint32_t> codes() const {
        std::vector<std::uint32_t> result;
        for (const auto& f : fired) {
            result.push_back(f.code);
        }
        return result;
    }

    LRESULT SendCopyData(ULONG_PTR tag, const std::vector<std::uint8_t>& payload) {
        COPYDATASTRUCT data{};
        data.dwData = tag;
        data.cbData = static_cast<DWORD>(payload.size());
        data.lpData = payload.empty() ? nullptr : const_cast<std::uint8_t*>(payload.data());
        return pad.SendMessageW(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    }

    bool receiverTakes = true;
    std::vector<Fired> fired;
    OwnerWindow owner;
    CGesturePad pad{[this](std::uint32_t code) {
                        fired.push_back({code, ::GetTickCount()});
                        return receiverTakes;
                    },
                    test::SampleTexts()};
};

TEST_F(GesturePadTest, OwnedToolWindowBesideItsOwnerShowingEveryButton) {
    const HWND hwnd = pad.GetSafeHwnd();
    EXPECT_EQ(::FindWindowW(nullptr, L"Gesture Pad"), hwnd);
    EXPECT_EQ(::GetWindow(hwnd, GW_OWNER), owner.GetSafeHwnd());
    EXPECT_TRUE(::IsWindowVisible(hwnd));
    EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE),
              WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE);
    const RECT frame = pad.GetWindowRect();
    const RECT ownerFrame = owner.GetWindowRect();
    EXPECT_EQ(frame.left, ownerFrame.right + 8);
    EXPECT_EQ(frame.top, ownerFrame.top);
    const RECT client = pad.GetClientRect();
    EXPECT_EQ(client.right, pad.model().clientSize().width);
    EXPECT_EQ(client.bottom, pad.model().clientSize().height);
    // Each button sits at its model rectangle, labelled (fallback names: the
    // sample texts have no gesture names).
    for (std::size_t i = 0; i < pad.model().buttons().size(); ++i) {
        const auto& model = pad.model().buttons()[i];
        RECT r = pad.Button(i).GetWindowRect();
        ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, model.rect.left) << i;
        EXPECT_EQ(r.top, model.rect.top) << i;
        EXPECT_EQ(r.right, model.rect.right) << i;
        wchar_t text[64]{};
        ::GetWindowTextW(pad.Button(i).GetSafeHwnd(), text, 64);
        EXPECT_EQ(FromWide(text), model.label) << i;
    }

    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const RgbImage shot = CaptureWindow(hwnd);
    test::SaveShot(shot, "gesture-pad.png");
    EXPECT_EQ(shot.width, frame.right - frame.left);
    EXPECT_EQ(shot.height, frame.bottom - frame.top);
    // The face between the buttons and behind the status line, in the
    // client area's place inside the frame.
    POINT origin{0, 0};
    ::ClientToScreen(hwnd, &origin);
    const int dx = origin.x - frame.left;
    const int dy = origin.y - frame.top;
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const std::uint32_t faceRgb = (face & 0xFF) << 16 | (face & 0xFF00) | (face >> 16 & 0xFF);
    const Rect first = pad.model().buttons()[0].rect;
    const Rect status = pad.model().statusRect();
    EXPECT_EQ(shot.at(dx + first.right + 2, dy + first.top + 5), faceRgb);
    EXPECT_EQ(shot.at(dx + 2, dy + 2), faceRgb);
    EXPECT_EQ(shot.at(dx + status.right - 2, dy + status.bottom - 2), faceRgb);
}

TEST_F(GesturePadTest, RealClicksFireTheButtonsCodes) {
    ClickButton(0);
    PumpUntilFired(1);
    ClickButton(9);
    PumpUntilFired(2);
    ClickButton(14);  // zoom in: the mark, then the wheel notch at once
    PumpUntilFired(4);
    EXPECT_THAT(codes(), ElementsAre(0x8001, 0x80000008, 0x80000001, 0x101));
    EXPECT_EQ(pad.StatusText(), u"One finger up (0x00000101): taken by the receiver");
    // Clicks are not to take activation from the main window. Wine
    // activates the clicked window all the same, so only the pad's answer
    // is checked here.
    EXPECT_EQ(pad.SendMessageW(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(pad.GetSafeHwnd()),
                               MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
}

TEST_F(GesturePadTest, StatusTellsWhenTheReceiverRefuses) {
    receiverTakes = false;
    ClickButton(13);
    PumpUntilFired(1);
    EXPECT_THAT(codes(), ElementsAre(0x80000001));
    EXPECT_EQ(pad.StatusText(), u"Zoom mark (0x80000001): refused by the receiver");
}

TEST_F(GesturePadTest, ToolDeliversTheEventsInOrderWithThePause) {
    const auto result = RunToolPumping("gesture 0x8001 0x80000008+50", 2);
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(result.output, "");
    ASSERT_THAT(codes(), ElementsAre(0x8001, 0x80000008));
    EXPECT_GE(fired[1].tick - fired[0].tick, 45u);
}

TEST_F(GesturePadTest, ScriptsArrivingWhilePlayingFollowInOrder) {
    const std::vector<TimedEvent> first{{0x8002, 0}, {0x8004, 100}};
    const std::vector<TimedEvent> second{{0x80000708, 0}, {0x80000001, 20}, {0x1FF, 0}};
    EXPECT_EQ(SendCopyData(kGestureScriptTag, EncodeGestureScript(first)), TRUE);
    EXPECT_EQ(SendCopyData(kGestureScriptTag, EncodeGestureScript(second)), TRUE);
    EXPECT_TRUE(fired.empty());  // nothing is fired inside the sender's call
    PumpUntilFired(5);
    EXPECT_THAT(codes(), ElementsAre(0x8002, 0x8004, 0x80000708, 0x80000001, 0x1FF));
    // The mark and the wheel notch without pause go together.
    EXPECT_LE(fired[4].tick - fired[3].tick, 5u);
}

TEST_F(GesturePadTest, MalformedPayloadsAreRefusedAndFireNothing) {
    const std::vector<TimedEvent> events{{0x8001, 0}};
    const auto good = EncodeGestureScript(events);
    EXPECT_EQ(SendCopyData(kGestureScriptTag + 1, good), FALSE);
    EXPECT_EQ(SendCopyData(kGestureScriptTag, {}), FALSE);
    EXPECT_EQ(
        SendCopyData(kGestureScriptTag, std::vector<std::uint8_t>(good.begin(), good.end() - 1)),
        FALSE);
    auto badVersion = good;
    badVersion[4] = 9;
    EXPECT_EQ(SendCopyData(kGestureScriptTag, badVersion), FALSE);
    std::vector<std::uint8_t> huge(1 << 20, 0);
    std::copy(good.begin(), good.end(), huge.begin());
    EXPECT_EQ(SendCopyData(kGestureScriptTag, huge), FALSE);
    EXPECT_EQ(pad.SendMessageW(WM_COPYDATA, 0, 0), FALSE);
    test::Settle();
    EXPECT_TRUE(fired.empty());
}

TEST(GesturePadTool, WithoutAPadTheToolSaysSoAndExits1) {
    ASSERT_EQ(::FindWindowW(nullptr, L"Gesture Pad"), nullptr);
    const auto result = q5::test::RunTool("gesture 0x8001");
    EXPECT_EQ(result.status, 1);
    EXPECT_THAT(result.output, HasSubstr("no Gesture Pad found"));
}

}  // namespace
}  // namespace q5::win

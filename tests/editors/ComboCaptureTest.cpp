#include "editors/ComboCapture.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "editors/ComboDialogLook.h"
#include "editors/KeyNames.h"
#include "platform/sim/SimPlatform.h"

namespace q5 {
namespace {

constexpr std::uint32_t kPress = 0x00;
constexpr std::uint32_t kRelease = 0x80;
constexpr std::uint32_t kCtrl = 0xA2;
constexpr std::uint32_t kAlt = 0xA4;
constexpr std::uint32_t kF4 = 0x73;
constexpr std::uint32_t kEsc = 0x1B;

using Bytes = std::array<std::uint8_t, 3>;

class ComboCaptureTest : public ::testing::Test {
protected:
    struct Report {
        std::uint32_t key;
        std::uint32_t flags;
    };

    // Feeds the reports and returns how many the capture accepted.
    int Feed(const std::vector<Report>& reports) {
        int accepted = 0;
        for (const auto& r : reports) {
            accepted += capture.OnKeyReport(r.key, r.flags).accepted ? 1 : 0;
        }
        return accepted;
    }
    std::u16string Text() {
        const auto r = capture.Result();
        return ComboCombinationText(desktop.input, r[0], r[1], r[2]);
    }

    sim::SimPlatform desktop;
    ComboCapture capture;
};

TEST_F(ComboCaptureTest, StartsEmptyAndIdle) {
    EXPECT_EQ(Bytes({0, 0, 0}), capture.Result());
    EXPECT_FALSE(capture.Capturing());
    EXPECT_EQ(u"", Text());
}

TEST_F(ComboCaptureTest, CtrlThenA) {
    EXPECT_EQ(4, Feed({{kCtrl, kPress}, {'A', kPress}, {'A', kRelease}, {kCtrl, kRelease}}));
    EXPECT_EQ(Bytes({0x01, 0x41, 0}), capture.Result());
    EXPECT_FALSE(capture.Capturing());
    EXPECT_EQ(u"Ctrl+A", Text());
}

TEST_F(ComboCaptureTest, AThenCtrlGivesTheSameCombination) {
    Feed({{'A', kPress}, {kCtrl, kPress}, {'A', kRelease}, {kCtrl, kRelease}});
    EXPECT_EQ(Bytes({0x01, 0x41, 0}), capture.Result());
    EXPECT_EQ(u"Ctrl+A", Text());
}

TEST_F(ComboCaptureTest, CaptureEndsOnlyWithTheStartKey) {
    Feed({{kCtrl, kPress}, {'A', kPress}, {'A', kRelease}});
    EXPECT_TRUE(capture.Capturing());
    Feed({{kCtrl, kRelease}});
    EXPECT_FALSE(capture.Capturing());
}

TEST_F(ComboCaptureTest, ThirdKeyIsDropped) {
    Feed({{kCtrl, kPress}, {'A', kPress}, {'B', kPress}, {'C', kPress}});
    EXPECT_EQ(Bytes({0x01, 'A', 'B'}), capture.Result());
    EXPECT_EQ(u"Ctrl+A+B", Text());
}

TEST_F(ComboCaptureTest, SameKeyAgainSetsNoSecondKey) {
    Feed({{kCtrl, kPress}, {'A', kPress}, {'A', kRelease}, {'A', kPress}});
    EXPECT_EQ(Bytes({0x01, 'A', 0}), capture.Result());
}

TEST_F(ComboCaptureTest, SecondKeyStaysOnceSet) {
    Feed({{kCtrl, kPress},
          {'A', kPress},
          {'B', kPress},
          {'B', kRelease},
          {'A', kRelease},
          {'C', kPress}});
    EXPECT_EQ(Bytes({0x01, 'A', 'B'}), capture.Result());
}

TEST_F(ComboCaptureTest, AutoRepeatIsIgnored) {
    EXPECT_TRUE(capture.OnKeyReport(kCtrl, kPress).accepted);
    const auto repeat = capture.OnKeyReport(kCtrl, kPress);
    EXPECT_FALSE(repeat.accepted);
    EXPECT_FALSE(repeat.repaint);
    EXPECT_TRUE(capture.OnKeyReport('A', kPress).accepted);
    EXPECT_FALSE(capture.OnKeyReport('A', kPress).accepted);
    EXPECT_FALSE(capture.OnKeyReport('A', kPress).accepted);
    EXPECT_TRUE(capture.OnKeyReport('A', kRelease).accepted);
    EXPECT_EQ(Bytes({0x01, 'A', 0}), capture.Result());
}

TEST_F(ComboCaptureTest, RepeatIsJudgedByKeyAndFlagsTogether) {
    // Same key with other flags (an extended twin) is not a repeat.
    EXPECT_TRUE(capture.OnKeyReport(0x2E, 0x01).accepted);
    EXPECT_TRUE(capture.OnKeyReport(0x2E, 0x00).accepted);
}

TEST_F(ComboCaptureTest, ANewCaptureClearsTheShownCombination) {
    Feed({{kCtrl, kPress}, {'A', kPress}, {'A', kRelease}, {kCtrl, kRelease}});
    Feed({{'Q', kPress}});
    EXPECT_EQ(Bytes({0, 'Q', 0}), capture.Result());
    EXPECT_EQ(u"Q", Text());
}

TEST_F(ComboCaptureTest, ReleaseWhileIdleChangesNothing) {
    Feed({{kCtrl, kPress}, {'A', kPress}, {kCtrl, kRelease}});
    const auto outcome = capture.OnKeyReport('A', kRelease);
    EXPECT_TRUE(outcome.accepted);
    EXPECT_FALSE(outcome.repaint);
    EXPECT_EQ(Bytes({0x01, 'A', 0}), capture.Result());
    EXPECT_FALSE(capture.Capturing());
}

TEST_F(ComboCaptureTest, LeftAndRightModifiersSetTheSameBits) {
    Feed({{0xA2, kPress},
          {0xA3, kPress},
          {0xA1, kPress},
          {0x10, kPress},
          {0xA5, kPress},
          {0x5C, kPress},
          {0x5B, kPress},
          {'K', kPress}});
    EXPECT_EQ(Bytes({0x0F, 'K', 0}), capture.Result());
    EXPECT_EQ(u"Ctrl+Alt+Shift+Win+K", Text());
}

TEST_F(ComboCaptureTest, ModifiersStayWhenReleasedDuringTheCapture) {
    Feed({{'Z', kPress}, {0x10, kPress}, {0x10, kRelease}, {0x11, kPress}, {0x11, kRelease}});
    EXPECT_EQ(Bytes({0x03, 'Z', 0}), capture.Result());
}

TEST_F(ComboCaptureTest, EscapeIsRecordedAsAKey) {
    Feed({{kEsc, kPress}, {kEsc, kRelease}});
    EXPECT_EQ(Bytes({0, kEsc, 0}), capture.Result());
    EXPECT_EQ(u"Esc", Text());
}

TEST_F(ComboCaptureTest, AltF4IsRecorded) {
    Feed({{kAlt, kPress}, {kF4, kPress}, {kF4, kRelease}, {kAlt, kRelease}});
    EXPECT_EQ(Bytes({kComboAlt, kF4, 0}), capture.Result());
    EXPECT_EQ(u"Alt+F4", Text());
}

TEST_F(ComboCaptureTest, EnterAndSpaceAreRecorded) {
    Feed({{kCtrl, kPress}, {0x0D, kPress}, {0x20, kPress}});
    EXPECT_EQ(Bytes({0x01, 0x0D, 0x20}), capture.Result());
    EXPECT_EQ(u"Ctrl+Enter+Space", Text());
}

TEST_F(ComboCaptureTest, EveryPressDuringACaptureRepaints) {
    EXPECT_TRUE(capture.OnKeyReport(kCtrl, kPress).repaint);
    EXPECT_TRUE(capture.OnKeyReport('A', kPress).repaint);
    EXPECT_TRUE(capture.OnKeyReport('B', kPress).repaint);
    EXPECT_TRUE(capture.OnKeyReport('C', kPress).repaint);  // dropped, still repainted
    EXPECT_FALSE(capture.OnKeyReport('C', kRelease).repaint);
}

TEST_F(ComboCaptureTest, MouseButtonsNeitherStartNorChangeACombination) {
    Feed({{kCtrl, kPress}, {'A', kPress}, {'A', kRelease}, {kCtrl, kRelease}});
    // The click on OK that follows.
    const auto down = capture.OnKeyReport(0xC1, kPress);
    const auto up = capture.OnKeyReport(0xC1, kRelease);
    EXPECT_FALSE(down.accepted);
    EXPECT_FALSE(up.accepted);
    EXPECT_EQ(Bytes({0x01, 'A', 0}), capture.Result());
    EXPECT_FALSE(capture.Capturing());
    // And while capturing.
    Feed({{'B', kPress}, {0xC2, kPress}, {0xC3, kPress}});
    EXPECT_EQ(Bytes({0, 'B', 0}), capture.Result());
}

TEST_F(ComboCaptureTest, OnlyTheLowByteOfTheReportNamesTheKey) {
    Feed({{0x1241, kPress}});
    EXPECT_EQ(Bytes({0, 'A', 0}), capture.Result());
}

TEST(ComboDialogLook, SwallowsEnterEscapeSpaceAndAltF4) {
    constexpr std::intptr_t kAltHeld = 1 << 29;
    for (std::uint32_t message : {0x100u, 0x101u}) {
        EXPECT_TRUE(combo::IsSwallowedKeyMessage(message, 0x0D, 0));
        EXPECT_TRUE(combo::IsSwallowedKeyMessage(message, 0x1B, 0));
        EXPECT_TRUE(combo::IsSwallowedKeyMessage(message, 0x20, 0));
        EXPECT_FALSE(combo::IsSwallowedKeyMessage(message, 'A', 0));
        EXPECT_FALSE(combo::IsSwallowedKeyMessage(message, 0x73, kAltHeld));
    }
    for (std::uint32_t message : {0x104u, 0x105u}) {
        EXPECT_TRUE(combo::IsSwallowedKeyMessage(message, 0x73, kAltHeld));
        EXPECT_FALSE(combo::IsSwallowedKeyMessage(message, 0x73, 0));
        EXPECT_FALSE(combo::IsSwallowedKeyMessage(message, 0x72, kAltHeld));
        EXPECT_FALSE(combo::IsSwallowedKeyMessage(message, 0x0D, kAltHeld));
    }
    EXPECT_FALSE(combo::IsSwallowedKeyMessage(0x102, 0x0D, 0));  // WM_CHAR
}

TEST(ComboDialogLook, CentresOverTheParentRoundingTowardZero) {
    // Parent 100 wide, dialog 304: left = 10 - (304 - 100) / 2.
    EXPECT_EQ((Point{10 - 102, 20 - 77}), combo::CentredOver({10, 20, 110, 20}, 304, 154));
    // Odd differences: -(303 - 100) / 2 truncates to -101, and 154 - 1 = 153 to 76.
    EXPECT_EQ((Point{-91, -56}), combo::CentredOver({10, 20, 110, 21}, 303, 154));
    // A wider parent: (304 - 1024) / 2 = -360, the dialog moves right.
    EXPECT_EQ((Point{360, 307}), combo::CentredOver({0, 0, 1024, 768}, 304, 154));
    // Toward zero, not down: (304 - 1023) / 2 is -359, not -360.
    EXPECT_EQ((Point{359, 307}), combo::CentredOver({0, 0, 1023, 768}, 304, 154));
}

}  // namespace
}  // namespace q5

#include "actions/KeyCodePlayer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/sim/SimPlatform.h"

namespace q5 {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class KeyCodePlayerTest : public ::testing::Test {
protected:
    std::vector<std::string> Play(std::uint8_t mask, std::uint8_t first, std::uint8_t second) {
        player.PlayCombination({mask, first, second});
        return desktop.journal.Lines();
    }
    std::uint32_t Elapsed() { return desktop.clock.GetTickCount() - start; }

    sim::SimPlatform desktop;
    std::uint32_t start = desktop.clock.GetTickCount();
    KeyCodePlayer player{desktop.platform()};
};

TEST_F(KeyCodePlayerTest, CtrlCWithScanCodesAndPauses) {
    EXPECT_THAT(Play(0x01, 0x43, 0),
                ElementsAre("key 0x11 0x1d 0", "wait 50", "key 0x43 0x2e 0", "wait 50",
                            "key 0x43 0x2e 2", "wait 50", "key 0x11 0x1d 2", "wait 50"));
    EXPECT_EQ(Elapsed(), 200u);
    EXPECT_FALSE(desktop.input.AnythingDown());
}

TEST_F(KeyCodePlayerTest, EitherBitSelectsAModifierOnce) {
    EXPECT_THAT(Play(0x11, 0, 0),
                ElementsAre("key 0x11 0x1d 0", "wait 50", "key 0x11 0x1d 2", "wait 50"));
}

TEST_F(KeyCodePlayerTest, ModifiersAreReleasedInTheOrderTheyWerePressed) {
    EXPECT_THAT(Play(0x0F, 0, 0),
                ElementsAre("key 0x11 0x1d 0", "wait 50", "key 0x10 0x2a 0", "wait 50",
                            "key 0x12 0x38 0", "wait 50", "key 0x5b 0x5b 0", "wait 50",
                            "key 0x11 0x1d 2", "wait 50", "key 0x10 0x2a 2", "wait 50",
                            "key 0x12 0x38 2", "wait 50", "key 0x5b 0x5b 2", "wait 50"));
}

TEST_F(KeyCodePlayerTest, HighModifierBitsSelectTheSameKeysInTheSameOrder) {
    EXPECT_THAT(Play(0xF0, 0, 0),
                ElementsAre("key 0x11 0x1d 0", "wait 50", "key 0x10 0x2a 0", "wait 50",
                            "key 0x12 0x38 0", "wait 50", "key 0x5b 0x5b 0", "wait 50",
                            "key 0x11 0x1d 2", "wait 50", "key 0x10 0x2a 2", "wait 50",
                            "key 0x12 0x38 2", "wait 50", "key 0x5b 0x5b 2", "wait 50"));
}

TEST_F(KeyCodePlayerTest, EachHighBitAloneSelectsItsModifier) {
    EXPECT_THAT(Play(0x20, 0, 0),
                ElementsAre("key 0x10 0x2a 0", "wait 50", "key 0x10 0x2a 2", "wait 50"));
    desktop.journal.Clear();
    EXPECT_THAT(Play(0x40, 0, 0),
                ElementsAre("key 0x12 0x38 0", "wait 50", "key 0x12 0x38 2", "wait 50"));
    desktop.journal.Clear();
    EXPECT_THAT(Play(0x80, 0, 0),
                ElementsAre("key 0x5b 0x5b 0", "wait 50", "key 0x5b 0x5b 2", "wait 50"));
}

TEST_F(KeyCodePlayerTest, SidedModifiersAreSentAsGenericOnes) {
    EXPECT_THAT(Play(0, 0xA3, 0),
                ElementsAre("key 0x11 0x1d 0", "wait 50", "key 0x11 0x1d 2", "wait 50"));
}

TEST_F(KeyCodePlayerTest, MouseButtonsHaveNoPause) {
    desktop.input.SetMessageExtraInfo(77);
    EXPECT_THAT(Play(0x02, 0xC1, 0),
                ElementsAre("key 0x10 0x2a 0", "wait 50", "mouse 0x0002 0 0 0",
                            "mouse 0x0004 0 0 0", "key 0x10 0x2a 2", "wait 50"));
    const auto& click = std::get<sim::MouseCall>(desktop.journal.Calls()[2]);
    EXPECT_EQ(click.extraInfo, 77u);
}

TEST_F(KeyCodePlayerTest, OnlyTheSecondKey) {
    EXPECT_THAT(Play(0, 0, 0x41),
                ElementsAre("key 0x41 0x1e 0", "wait 50", "key 0x41 0x1e 2", "wait 50"));
}

TEST_F(KeyCodePlayerTest, TwoKeysAreNeverHeldTogether) {
    EXPECT_THAT(Play(0, 0x41, 0x42),
                ElementsAre("key 0x41 0x1e 0", "wait 50", "key 0x41 0x1e 2", "wait 50",
                            "key 0x42 0x30 0", "wait 50", "key 0x42 0x30 2", "wait 50"));
}

TEST_F(KeyCodePlayerTest, FullCombinationTakes600Milliseconds) {
    // Modifiers down, each key pressed and released alone, modifiers up.
    EXPECT_THAT(
        Play(0x0F, 0x41, 0x42),
        ElementsAre("key 0x11 0x1d 0", "wait 50", "key 0x10 0x2a 0", "wait 50", "key 0x12 0x38 0",
                    "wait 50", "key 0x5b 0x5b 0", "wait 50", "key 0x41 0x1e 0", "wait 50",
                    "key 0x41 0x1e 2", "wait 50", "key 0x42 0x30 0", "wait 50", "key 0x42 0x30 2",
                    "wait 50", "key 0x11 0x1d 2", "wait 50", "key 0x10 0x2a 2", "wait 50",
                    "key 0x12 0x38 2", "wait 50", "key 0x5b 0x5b 2", "wait 50"));
    EXPECT_EQ(Elapsed(), 600u);
    EXPECT_FALSE(desktop.input.AnythingDown());
}

TEST_F(KeyCodePlayerTest, EmptyCombinationDoesNothing) {
    EXPECT_THAT(Play(0, 0, 0), IsEmpty());
    EXPECT_EQ(Elapsed(), 0u);
}

TEST_F(KeyCodePlayerTest, SingleSteps) {
    player.PressOrReleaseKeyCode(0x2E, true);
    player.PressOrReleaseKeyCode(0xC2, false);
    player.PressOrReleaseKeyCode(0xC3, true);
    EXPECT_THAT(desktop.journal.Lines(), ElementsAre("key 0x2e 0x53 2", "wait 50",
                                                     "mouse 0x0008 0 0 0", "mouse 0x0040 0 0 0"));
}

TEST_F(KeyCodePlayerTest, InvalidKeysArePassedUnchanged) {
    player.PressOrReleaseKeyCode(0xE8, false);
    EXPECT_THAT(desktop.journal.Lines(), ElementsAre("key 0xe8 0x00 0", "wait 50"));
}

}  // namespace
}  // namespace q5

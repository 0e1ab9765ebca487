#include "editors/MacroRecorder.h"

#include <gtest/gtest.h>

namespace q5 {
namespace {

constexpr RecordingOptions kWithDelays{true, false, 1};

TEST(MacroRecorder, APauseIsMeasuredAcrossTheTickCountsWrap) {
    MacroRecorder recorder;
    tagMACROINFO macro;
    RecordedEvent event;
    ASSERT_TRUE(recorder.Record(&macro, 'A', 0x00, 0xFFFFFF00u, kWithDelays, event));
    ASSERT_TRUE(recorder.Record(&macro, 'A', 0x80, 0x00000040u, kWithDelays, event));
    EXPECT_EQ(event.pauseBefore, 0x140);
    EXPECT_EQ(macro.steps[0].delayAfter(), 0x140);
    EXPECT_EQ(macro.steps[1].delayAfter(), 0);
}

TEST(MacroRecorder, AClockThatWentBackStoresNoPause) {
    MacroRecorder recorder;
    tagMACROINFO macro;
    RecordedEvent event;
    ASSERT_TRUE(recorder.Record(&macro, 'A', 0x00, 5000, kWithDelays, event));
    ASSERT_TRUE(recorder.Record(&macro, 'B', 0x00, 4000, kWithDelays, event));
    EXPECT_EQ(event.pauseBefore, 0);
    EXPECT_EQ(macro.steps[0].delayAfter(), 0);
}

TEST(MacroRecorder, OnlyTheLowByteOfTheKeyIsStoredAndBit0x80MeansReleased) {
    MacroRecorder recorder;
    tagMACROINFO macro;
    RecordedEvent event;
    ASSERT_TRUE(recorder.Record(&macro, 0x1C1, 0x81, 10, {}, event));
    EXPECT_EQ(macro.steps[0].vk, 0xC1);
    EXPECT_EQ(macro.steps[0].keyUp, 1);
    ASSERT_TRUE(recorder.Record(&macro, 0xC1, 0x7F, 20, {}, event));
    EXPECT_EQ(macro.steps[1].keyUp, 0);
}

TEST(MacroRecorder, NoMacroIgnoresTheReportAndKeepsTheLastOne) {
    MacroRecorder recorder;
    tagMACROINFO macro;
    RecordedEvent event;
    EXPECT_FALSE(recorder.Record(nullptr, 'A', 0, 10, {}, event));
    EXPECT_FALSE(recorder.IsRepeat('A', 0));
    EXPECT_TRUE(recorder.Record(&macro, 'A', 0, 10, {}, event));
    EXPECT_TRUE(recorder.IsRepeat('A', 0));
}

}  // namespace
}  // namespace q5

// q5tool gesture: the arguments, on both builds, and the Linux build's answer.
// Delivery to a pad is tested under Wine (tests/app/win).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ToolRunner.h"

namespace q5 {
namespace {

using test::RunTool;
using ::testing::HasSubstr;

TEST(GestureTool, BadArgumentsGiveOneLineAndStatus2) {
    for (const char* arguments : {"gesture", "gesture 0x8001 nonsense", "gesture 0x8001+x",
                                  "gesture 0x100000000", "gesture 0x8001+60001"}) {
        const auto result = RunTool(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        ASSERT_EQ(result.lines().size(), 1u) << arguments << ": " << result.output;
        EXPECT_THAT(result.output, HasSubstr("q5tool: ")) << arguments;
    }
}

TEST(GestureTool, TooManyEventsAreRefused) {
    std::string arguments = "gesture";
    for (int i = 0; i < 257; ++i) {
        arguments += " 0x8001";
    }
    const auto result = RunTool(arguments);
    EXPECT_EQ(result.status, 2);
    EXPECT_THAT(result.output, HasSubstr("at most 256 events"));
}

TEST(GestureTool, UsageListsTheCommand) {
    EXPECT_THAT(RunTool("--help").output, HasSubstr("q5tool gesture EVENT..."));
}

#if !defined(_WIN32)
TEST(GestureTool, LinuxBuildSaysItNeedsWindows) {
    const auto result = RunTool("gesture 0x8001 0x80000008+50");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.output, "q5tool: gesture needs Windows: it talks to the demo's Gesture Pad\n");
}
#endif

}  // namespace
}  // namespace q5

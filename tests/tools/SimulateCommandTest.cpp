#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "ToolRunner.h"
#include "model/ButtonSetting.h"

namespace q5 {
namespace {

using test::RunTool;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(SimulateCommand, ReplaysEventsWithTheTimingRule) {
    const auto result = RunTool("simulate 0x8001 0x80000001+1000 0x101+5 0x101+20");
    EXPECT_EQ(result.status, 0);
    EXPECT_THAT(
        result.lines(),
        ElementsAre("# event 0x00008001 at tick 100000", "mouse 0x0002 0 0 0", "mouse 0x0004 0 0 0",
                    "# event 0x80000001 at tick 101000", "# event 0x00000101 at tick 101005",
                    "key 0x5b 0x00 1", "key 0x6b 0x00 1", "key 0x6b 0x00 3", "key 0x5b 0x00 3",
                    "# event 0x00000101 at tick 101025", "mouse 0x0800 0 0 120"));
}

TEST(SimulateCommand, OsReleaseChangesWhatWindows8GesturesDo) {
    EXPECT_THAT(RunTool("simulate --os-release 6 0x80000008").lines(),
                ElementsAre("# event 0x80000008 at tick 100000"));
    EXPECT_THAT(
        RunTool("simulate --os-release 7 0x80000008").lines(),
        ElementsAre("# event 0x80000008 at tick 100000", "key 0x5b 0x00 1", "key 0x5b 0x00 3"));
}

std::string WriteSettingsFile(const ButtonSetting& image, std::size_t length, const char* name) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(length));
    return path;
}

TEST(SimulateCommand, SettingsFileReplacesTheAssignment) {
    ButtonSetting image = ButtonSetting::Factory();
    image.slot(10).setCode(ActionCode::SwitchWindow);
    const std::string path = WriteSettingsFile(image, ButtonSetting::kSize, "q5_settings.bin");

    const auto result = RunTool("simulate --os-release 5 --start-tick 7 --settings \"" + path +
                                "\" 0x80000708 0x8001+10");
    EXPECT_EQ(result.status, 0);
    EXPECT_THAT(result.lines(),
                ElementsAre("# event 0x80000708 at tick 7", "key 0xa4 0x00 1", "key 0x09 0x00 0",
                            "wait 100", "key 0x09 0x00 2", "key 0xa4 0x00 3", "wait 100",
                            "key 0xa4 0x00 1", "key 0xa4 0x00 3", "# event 0x00008001 at tick 207",
                            "mouse 0x0002 0 0 0", "mouse 0x0004 0 0 0"));
}

TEST(SimulateCommand, ShortSettingsFileFillsOnlyTheLeadingBytes) {
    ButtonSetting image;  // all zero: slot 0 has no function
    const std::string path = WriteSettingsFile(image, 100, "q5_short.bin");
    EXPECT_THAT(
        RunTool("simulate --settings \"" + path + "\" 0x8001 0x8002").lines(),
        ElementsAre("# event 0x00008001 at tick 100000", "# event 0x00008002 at tick 100000",
                    "mouse 0x0008 0 0 0", "mouse 0x0010 0 0 0"));
}

TEST(SimulateCommand, BadArgumentsGiveOneLineAndStatusTwo) {
    for (const char* args :
         {"simulate", "simulate 0xZZ", "simulate --os-release 8 1", "simulate --start-tick",
          "simulate --bogus 1", "simulate 1+x", "simulate 0x100000000", "bogus", "",
          "simulate --settings /nonexistent/file 1"}) {
        const auto result = RunTool(args);
        EXPECT_EQ(result.status, 2) << args;
        ASSERT_FALSE(result.lines().empty()) << args;
        EXPECT_THAT(result.lines()[0], HasSubstr("q5tool: ")) << args;
    }
}

}  // namespace
}  // namespace q5

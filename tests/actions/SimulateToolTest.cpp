// The dry run of q5tool simulate with the real scroll, media, system and
// social actions on its simulated desktop. The tool is started from the
// Linux build of the tests only (through the shell).
#ifndef _WIN32
#include <gmock/gmock.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ToolRunner.h"

#include "model/ButtonSetting.h"

namespace q5 {
namespace {

using ::testing::ElementsAre;

struct ToolRun {
    int status = -1;
    std::vector<std::string> lines;
};

class SimulateToolTest : public ::testing::Test {
protected:
    static ToolRun Run(const std::string& arguments) {
        const test::ToolResult result = test::RunTool("simulate " + arguments);
        return ToolRun{result.status, result.lines()};
    }

    // A settings file whose first slots (events 0x8001, 0x8002, 0x8004,
    // 0x101, 0x1FF) perform the given codes.
    std::string Settings(std::vector<ActionCode> codes) {
        ButtonSetting settings = ButtonSetting::Factory();
        for (std::size_t slot = 0; slot < codes.size(); ++slot) {
            settings.slot(static_cast<int>(slot)).setCode(codes[slot]);
        }
        const auto path =
            std::filesystem::temp_directory_path() /
            ("q5-actions-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(settings.data()), ButtonSetting::kSize);
        files_.push_back(path);
        return path.string();
    }

    void TearDown() override {
        for (const auto& file : files_) {
            std::filesystem::remove(file);
        }
    }

    std::vector<std::filesystem::path> files_;
};

TEST_F(SimulateToolTest, MinimiseAndRestoreTheForegroundWindow) {
    const ToolRun run = Run("--window Notepad --window Other 0x80001008 0x80001008 0x8000100A");
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(run.lines,
                ElementsAre("# event 0x80001008 at tick 100000", "send 0x20010 0x112 0xf020 0x0",
                            "# event 0x80001008 at tick 100000",
                            "# event 0x8000100a at tick 100000", "send 0x20010 0x112 0xf120 0x0"));
}

TEST_F(SimulateToolTest, MediaActionsFollowTheProcessesAndWindows) {
    const std::string settings =
        Settings({ActionCode::PlayPause, ActionCode::Stop, ActionCode::NextTrack});
    ToolRun run = Run("--settings " + settings + " 0x8001");
    EXPECT_THAT(run.lines, ElementsAre("# event 0x00008001 at tick 100000", "key 0xb3 0x00 1",
                                       "key 0xb3 0x00 3"));
    run = Run("--settings " + settings +
              " --process kwmusic.EXE --process iTunes.exe --window iTunes 0x8004");
    // KwMusic has no window: the global chord; iTunes gets the posted key.
    EXPECT_THAT(run.lines, ElementsAre("# event 0x00008004 at tick 100000", "key 0x11 0x00 1",
                                       "key 0xa0 0x00 1", "key 0x27 0x00 1", "key 0x27 0x00 3",
                                       "key 0xa0 0x00 3", "key 0x11 0x00 3", "key 0x11 0x00 1",
                                       "post 0x20010 0x100 0x27 0x14d0001",
                                       "post 0x20010 0x101 0x27 0xc14d0001", "key 0x11 0x00 3"));
}

TEST_F(SimulateToolTest, ScrollLockShellAndSocialLines) {
    const std::string settings =
        Settings({ActionCode::ScrollLeft, ActionCode::LockWorkstation, ActionCode::OpenExcel,
                  ActionCode::SocialEvents, ActionCode::ScrollRight});
    const ToolRun run =
        Run("--settings " + settings + " --window EXCEL7 0x8001 0x8002 0x8004 0x101 0x1FF");
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(
        run.lines,
        ElementsAre("# event 0x00008001 at tick 100000", "debug ClassName:", "debug EXCEL7",
                    "cursor 5 5", "mouse 0x8002 5 5 0", "mouse 0x8004 5 5 0", "mouse 0x8002 5 5 0",
                    "mouse 0x8004 5 5 0", "mouse 0x8002 5 5 0", "mouse 0x8004 5 5 0",
                    "cursor 512 384", "# event 0x00008002 at tick 100000", "lock",
                    "# event 0x00008004 at tick 100000", "shell open excel",
                    "# event 0x00000101 at tick 100000",
                    "shell open http://www.facebook.com/?sk=events&ap=1",
                    "# event 0x000001ff at tick 100000", "debug ClassName:", "debug EXCEL7",
                    "cursor 1019 5", "mouse 0x8002 1019 5 0", "mouse 0x8004 1019 5 0",
                    "mouse 0x8002 1019 5 0", "mouse 0x8004 1019 5 0", "mouse 0x8002 1019 5 0",
                    "mouse 0x8004 1019 5 0", "cursor 512 384"));
}

TEST_F(SimulateToolTest, ScrollOverTheBareDesktopOnlyNamesItsClass) {
    const ToolRun run = Run("--settings " + Settings({ActionCode::ScrollRight}) + " 0x8001");
    EXPECT_THAT(run.lines, ElementsAre("# event 0x00008001 at tick 100000",
                                       "debug ClassName:", "debug #32769"));
}

TEST_F(SimulateToolTest, ProcessAndWindowNeedANonEmptyValue) {
    for (const char* arguments :
         {"--process", "--window", "--process '' 0x8001", "--window '' 0x8001"}) {
        const ToolRun run = Run(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        ASSERT_EQ(run.lines.size(), 1u) << arguments;
        EXPECT_TRUE(run.lines[0].starts_with("q5tool: --")) << run.lines[0];
    }
}

}  // namespace
}  // namespace q5

#endif  // _WIN32

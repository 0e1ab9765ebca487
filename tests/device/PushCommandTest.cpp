// The q5tool push command, run as a process (Linux build only: the Windows
// test run cannot start the tool by its build path).
#ifndef _WIN32

#include <gtest/gtest.h>

#include "ToolRunner.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/ButtonSetting.h"

namespace q5 {
namespace {

struct ToolRun {
    int status = -1;
    std::vector<std::string> lines;
};

ToolRun RunTool(const std::string& arguments) {
    const test::ToolResult result = test::RunTool(arguments, test::Stderr::Discarded);
    return ToolRun{result.status, result.lines()};
}

std::string EmptyKeys() {
    std::string keys = "00000000";
    for (int i = 1; i < 24; ++i) {
        keys += ",00000000";
    }
    return keys;
}

TEST(PushCommand, FactoryAssignment) {
    const ToolRun run = RunTool("push");
    EXPECT_EQ(run.status, 0);
    std::vector<std::string> expected{"command 1", "command 20 mask=0x00000000"};
    expected.insert(expected.end(), 6, "command 128 keys=" + EmptyKeys());
    expected.push_back("command 20 mask=0x00000180");
    EXPECT_EQ(run.lines, expected);
}

TEST(PushCommand, SettingsFileAndHex) {
    ButtonSetting settings = ButtonSetting::Factory();
    settings.slot(0).setCode(ActionCode::RightClick);
    settings.slot(10).setCode(ActionCode::Macro);
    const auto path = std::filesystem::temp_directory_path() / "q5-push-settings.bin";
    {
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(settings.data()), ButtonSetting::kSize);
    }
    const ToolRun run = RunTool("push --settings " + path.string() + " --hex");
    std::filesystem::remove(path);
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 18u);
    EXPECT_EQ(run.lines[14], "command 128 keys=00000708" + EmptyKeys().substr(8));
    EXPECT_EQ(run.lines[16], "command 20 mask=0x00000181");
    ASSERT_EQ(run.lines[17].size(), 432u);
    EXPECT_EQ(run.lines[17].substr(0, 24), "140000008101000001060700");
    EXPECT_EQ(run.lines[17].substr(24, 2 * 144), std::string(2 * 144, '0'));
    EXPECT_EQ(run.lines[17].substr(2 * 156, 56),
              "4b6f72766f20354720576972"
              "6c65737320546f756368204d6f757365");
    EXPECT_EQ(run.lines[17].substr(2 * 184), std::string(2 * 32, '0'));
}

TEST(PushCommand, BadArgumentsAndUnreadableFile) {
    EXPECT_EQ(RunTool("push --frobnicate").status, 2);
    EXPECT_EQ(RunTool("push --settings").status, 2);
    const ToolRun missing = RunTool("push --settings /nonexistent/q5-settings.bin");
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.lines.empty());
}

}  // namespace
}  // namespace q5

#endif

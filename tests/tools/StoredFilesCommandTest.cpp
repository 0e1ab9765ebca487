// q5tool simulate with macros, a language file and foreground titles, and
// q5tool settings, run as the built binary.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "ToolRunner.h"
#include "editors/MacroTable.h"
#include "model/ButtonSetting.h"

namespace q5 {
namespace {

using test::RunTool;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

template <typename Image>
std::string WriteImage(const Image& image, const char* name) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(image.data()), Image::kSize);
    return path;
}

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

MacroStep Step(std::uint8_t vk, bool up, std::int32_t delay = 0) {
    MacroStep step;
    step.vk = vk;
    step.keyUp = up;
    step.setDelayAfter(delay);
    return step;
}

// Slot 0 (button bit 0x01) plays macro 1: Ctrl down, A down, A up, Ctrl up.
struct MacroFiles {
    MacroFiles() {
        ButtonSetting settings = ButtonSetting::Factory();
        settings.slot(0).setCode(ActionCode::Macro);
        settings.slot(0).setMacroNumber(1);
        settings.slot(1).setCode(ActionCode::CombinationKeys);
        settings.slot(1).setCombination({0x03, 'A', 0});
        settingsPath = WriteImage(settings, "q5_macro_settings.bin");

        auto macros = std::make_unique<MacroTable>();
        macros->macros[0].setName(u"unused");
        tagMACROINFO& macro = macros->macros[1];
        macro.setName(u"Select all");
        const MacroStep steps[] = {Step(0xA2, false), Step('A', false, 20), Step('A', true),
                                   Step(0xA2, true)};
        for (std::size_t i = 0; i < 4; ++i) {
            macro.steps[i] = steps[i];
        }
        macro.setStepCount(4);
        macros->setCount(2);
        macrosPath = WriteImage(*macros, "q5_macros.bin");
        languagePath = std::string(Q5_SOURCE_DIR) + "/languages/language.xml";
    }
    std::string Arguments() const {
        return "--settings " + Quoted(settingsPath) + " --macros " + Quoted(macrosPath) +
               " --language " + Quoted(languagePath);
    }
    std::string settingsPath;
    std::string macrosPath;
    std::string languagePath;
};

TEST(SimulateMacros, PlaysTheMacroOfTheSlot) {
    const MacroFiles files;
    const auto result = RunTool("simulate --start-tick 0 " + files.Arguments() + " 0x8001");
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_THAT(result.lines(),
                ElementsAre("# event 0x00008001 at tick 0", "key 0x11 0x1d 0", "wait 50",
                            "key 0x41 0x1e 0", "wait 50", "wait 20", "key 0x41 0x1e 2", "wait 50",
                            "key 0x11 0x1d 2", "wait 50"));
}

TEST(SimulateMacros, TrayTitleInTheForegroundAbortsAndReleases) {
    const MacroFiles files;
    // The English tray tip comes to the front 60 ms in, during the second
    // event's pause: playback stops before A's release and lets go of A and
    // Ctrl itself, in reverse order, which here reads like the rest of the
    // macro; the next gesture's playback stops before its first event.
    const auto result = RunTool("simulate --start-tick 0 " + files.Arguments() +
                                " --foreground \"Korvo Q5 Touch Mouse@60\" 0x8001");
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_THAT(result.lines(),
                ElementsAre("# event 0x00008001 at tick 0", "key 0x11 0x1d 0", "wait 50",
                            "key 0x41 0x1e 0", "wait 50", "wait 20", "key 0x41 0x1e 2", "wait 50",
                            "key 0x11 0x1d 2", "wait 50"));
    const auto aborted = RunTool("simulate --start-tick 0 " + files.Arguments() +
                                 " --foreground \"Korvo Q5 Touch Mouse@60\" 0x8001 0x8001+1000");
    EXPECT_THAT(aborted.lines(),
                ElementsAre("# event 0x00008001 at tick 0", "key 0x11 0x1d 0", "wait 50",
                            "key 0x41 0x1e 0", "wait 50", "wait 20", "key 0x41 0x1e 2", "wait 50",
                            "key 0x11 0x1d 2", "wait 50", "# event 0x00008001 at tick 1000"));
}

TEST(SimulateMacros, NoForegroundWindowPlaysNothing) {
    const MacroFiles files;
    const auto result =
        RunTool("simulate --start-tick 0 " + files.Arguments() + " --foreground - 0x8001");
    EXPECT_THAT(result.lines(), ElementsAre("# event 0x00008001 at tick 0"));
}

TEST(SimulateMacros, CombinationSlotPlaysWithScanCodes) {
    const MacroFiles files;
    const auto result = RunTool("simulate --start-tick 0 " + files.Arguments() + " 0x8002");
    EXPECT_THAT(
        result.lines(),
        ElementsAre("# event 0x00008002 at tick 0", "key 0x11 0x1d 0", "wait 50", "key 0x10 0x2a 0",
                    "wait 50", "key 0x41 0x1e 0", "wait 50", "key 0x41 0x1e 2", "wait 50",
                    "key 0x11 0x1d 2", "wait 50", "key 0x10 0x2a 2", "wait 50"));
}

TEST(SimulateMacros, BadForegroundAndMissingFilesAreRefused) {
    for (const char* args : {"simulate --foreground x@y 1", "simulate --foreground",
                             "simulate --macros /nonexistent 1", "simulate --language"}) {
        const auto result = RunTool(args);
        EXPECT_EQ(result.status, 2) << args;
        ASSERT_EQ(result.lines().size(), 1u) << args;
    }
}

TEST(SettingsCommand, ShowsSlotsExtraRecordsAndMacros) {
    const MacroFiles files;
    const auto result = RunTool("settings " + files.Arguments());
    EXPECT_EQ(result.status, 0) << result.output;
    const auto lines = result.lines();
    EXPECT_THAT(lines, Contains(HasSubstr("slot  0 tc_singleleftclk")));
    EXPECT_THAT(lines, Contains(HasSubstr("code  20 \"Left click\"  macro 1 (\"Select all\")")));
    EXPECT_THAT(
        lines, Contains(HasSubstr("code  19 \"Right click\"  keys 0x03 0x41 0x00 (Ctrl+Shift+A)")));
    EXPECT_THAT(lines, Contains("extra records: 0 in use (stored count 0)"));
    EXPECT_THAT(lines, Contains("macros: 2 in use (stored count 2)"));
    EXPECT_THAT(lines, Contains("macro  1 \"Select all\" delay=0 loop=0 count=0 steps=4"));
    EXPECT_THAT(lines, Contains("    1 LCtrl (0xa2) down"));
    EXPECT_THAT(lines, Contains("    2 A (0x41) down, then 20 ms"));
}

TEST(SettingsCommand, WithoutFilesShowsTheFactoryAssignment) {
    const auto result = RunTool("settings");
    EXPECT_EQ(result.status, 0);
    EXPECT_THAT(result.lines(), Contains(HasSubstr("slot 12 tc_dblscrollright")));
    EXPECT_THAT(result.lines(), Contains("macros: 0 in use (stored count 0)"));
    EXPECT_EQ(RunTool("settings --bogus").status, 2);
}

}  // namespace
}  // namespace q5

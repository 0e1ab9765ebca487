// q5tool settings --export/--import on value files, run as the built binary.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ToolRunner.h"
#include "model/SettingsBackup.h"

namespace q5 {
namespace {

using test::NativePath;
using test::RunTool;
using ::testing::HasSubstr;

std::string Temp(const char* name) {
    return ::testing::TempDir() + name;
}

std::vector<std::uint8_t> Pattern(std::size_t length, std::uint8_t seed) {
    std::vector<std::uint8_t> bytes(length);
    for (std::size_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 5 + seed);
    }
    return bytes;
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream out;
    out << file.rdbuf();
    const std::string text = out.str();
    return {text.begin(), text.end()};
}

std::string Q(const std::string& path) {
    return "\"" + NativePath(path) + "\"";
}

class SettingsBackupCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteBytes(settings, Pattern(17384, 1));
        WriteBytes(names, Pattern(18404, 2));
        WriteBytes(macros, Pattern(214004, 3));
    }
    std::string Files(const std::string& a, const std::string& b, const std::string& c) {
        return " --settings " + Q(a) + " --names " + Q(b) + " --macros " + Q(c);
    }

    std::string settings = Temp("q5_backup_settings.bin");
    std::string names = Temp("q5_backup_names.bin");
    std::string macros = Temp("q5_backup_macros.bin");
    std::string backup = Temp("q5_backup.reg");
};

TEST_F(SettingsBackupCommandTest, ExportsAndImportsByteForByte) {
    const auto exported =
        RunTool("settings --export " + Q(backup) + Files(settings, names, macros));
    ASSERT_EQ(exported.status, 0) << exported.output;
    EXPECT_THAT(exported.output, HasSubstr("exported 3 value(s)"));

    const std::string s2 = Temp("q5_restored_settings.bin");
    const std::string n2 = Temp("q5_restored_names.bin");
    const std::string m2 = Temp("q5_restored_macros.bin");
    std::remove(s2.c_str());
    const auto imported = RunTool("settings --import " + Q(backup) + Files(s2, n2, m2));
    ASSERT_EQ(imported.status, 0) << imported.output;
    EXPECT_EQ(ReadBytes(s2), ReadBytes(settings));
    EXPECT_EQ(ReadBytes(n2), ReadBytes(names));
    EXPECT_EQ(ReadBytes(m2), ReadBytes(macros));
}

TEST_F(SettingsBackupCommandTest, LeavesOutAValueOfTheWrongSizeAndSaysSo) {
    WriteBytes(names, Pattern(100, 2));
    const auto exported =
        RunTool("settings --export " + Q(backup) + Files(settings, names, macros));
    ASSERT_EQ(exported.status, 0) << exported.output;
    EXPECT_THAT(exported.output,
                HasSubstr("ButtonName: stored with 100 bytes, not 18404, left out"));
    const auto parsed = SettingsBackup::Parse(std::string(
        reinterpret_cast<const char*>(ReadBytes(backup).data()), ReadBytes(backup).size()));
    ASSERT_TRUE(parsed.ok());
    ASSERT_EQ(parsed.values.size(), 2u);
    EXPECT_EQ(parsed.values[0].name, "ButtonSetting");
    EXPECT_EQ(parsed.values[1].name, "MacroSetting");
}

TEST_F(SettingsBackupCommandTest, RefusesADamagedFileAndWritesNothing) {
    ASSERT_EQ(RunTool("settings --export " + Q(backup) + Files(settings, names, macros)).status, 0);
    std::vector<std::uint8_t> text = ReadBytes(backup);
    const std::size_t digit = std::string(text.begin(), text.end()).rfind("=hex:") + 5;
    text[digit] = text[digit] == '0' ? '1' : '0';
    WriteBytes(backup, text);

    const std::string untouched = Temp("q5_untouched.bin");
    WriteBytes(untouched, {1, 2, 3});
    const auto imported =
        RunTool("settings --import " + Q(backup) + Files(untouched, untouched, untouched));
    EXPECT_EQ(imported.status, 1);
    EXPECT_THAT(imported.output, HasSubstr("the checksum does not match"));
    EXPECT_THAT(imported.output, HasSubstr("nothing was written"));
    EXPECT_EQ(ReadBytes(untouched), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(SettingsBackupCommandTest, RefusesBothDirectionsAtOnce) {
    const auto result = RunTool("settings --export " + Q(backup) + " --import " + Q(backup) +
                                Files(settings, names, macros));
    EXPECT_EQ(result.status, 2);
    EXPECT_THAT(result.output, HasSubstr("exclude each other"));
}

}  // namespace
}  // namespace q5

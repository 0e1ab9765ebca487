// q5tool settings --export/--import against the real registry of the test's
// Wine prefix: the round trip, and every refused file leaving it unchanged.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ToolRunner.h"
#include "WinRegistryTestSupport.h"
#include "model/SettingsBackup.h"

namespace q5 {
namespace {

using test::RunTool;
using ::testing::HasSubstr;

const wchar_t kKey[] = L"Software\\Korvo\\Fingrel\\Q5";

std::vector<std::uint8_t> Pattern(std::size_t length, std::uint8_t seed) {
    std::vector<std::uint8_t> bytes(length);
    for (std::size_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 11 + seed);
    }
    return bytes;
}

std::optional<std::vector<std::uint8_t>> ReadRaw(const wchar_t* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD size = 0;
    DWORD type = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        RegCloseKey(key);
        return std::nullopt;
    }
    std::vector<std::uint8_t> data(size);
    RegQueryValueExW(key, name, nullptr, &type, data.data(), &size);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    return data;
}

void WriteRaw(const wchar_t* name, const std::vector<std::uint8_t>& data) {
    test::WriteRawValue(kKey, name, data);
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

class SettingsBackupRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteKeyW(HKEY_LOCAL_MACHINE, kKey); }
    void TearDown() override { RegDeleteKeyW(HKEY_LOCAL_MACHINE, kKey); }

    void StoreAll() {
        WriteRaw(L"ButtonSetting", settings);
        WriteRaw(L"ButtonName", names);
        WriteRaw(L"MacroSetting", macros);
    }
    void ExpectStored(const std::vector<std::uint8_t>& s, const std::vector<std::uint8_t>& n,
                      const std::vector<std::uint8_t>& m) {
        EXPECT_EQ(ReadRaw(L"ButtonSetting"), s);
        EXPECT_EQ(ReadRaw(L"ButtonName"), n);
        EXPECT_EQ(ReadRaw(L"MacroSetting"), m);
    }

    std::vector<std::uint8_t> settings = Pattern(17384, 1);
    std::vector<std::uint8_t> names = Pattern(18404, 2);
    std::vector<std::uint8_t> macros = Pattern(214004, 3);
    std::string backup = ::testing::TempDir() + "q5_registry_backup.reg";
};

TEST_F(SettingsBackupRegistryTest, RoundTripsThroughTheRegistry) {
    StoreAll();
    const auto exported = RunTool("settings --export \"" + backup + "\"");
    ASSERT_EQ(exported.status, 0) << exported.output;
    EXPECT_THAT(exported.output, HasSubstr("exported 3 value(s)"));

    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kKey);
    const auto imported = RunTool("settings --import \"" + backup + "\"");
    ASSERT_EQ(imported.status, 0) << imported.output;
    ExpectStored(settings, names, macros);
}

// The same file imported by the registry editor, which skips our checksum
// line as a comment.
TEST_F(SettingsBackupRegistryTest, TheRegistryEditorImportsTheBackup) {
    StoreAll();
    ASSERT_EQ(RunTool("settings --export \"" + backup + "\"").status, 0);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kKey);

    const auto imported = test::RunProgram("regedit.exe", "/s \"" + backup + "\"");
    ASSERT_EQ(imported.status, 0) << imported.output;
    ExpectStored(settings, names, macros);
}

TEST_F(SettingsBackupRegistryTest, LeavesOutAMissingValue) {
    WriteRaw(L"MacroSetting", macros);
    const auto exported = RunTool("settings --export \"" + backup + "\"");
    ASSERT_EQ(exported.status, 0) << exported.output;
    EXPECT_THAT(exported.output, HasSubstr("ButtonSetting: not stored, left out"));
    EXPECT_THAT(exported.output, HasSubstr("ButtonName: not stored, left out"));

    WriteRaw(L"ButtonName", names);
    WriteRaw(L"MacroSetting", Pattern(214004, 77));
    ASSERT_EQ(RunTool("settings --import \"" + backup + "\"").status, 0);
    EXPECT_EQ(ReadRaw(L"ButtonSetting"), std::nullopt);
    EXPECT_EQ(ReadRaw(L"ButtonName"), names);
    EXPECT_EQ(ReadRaw(L"MacroSetting"), macros);
}

TEST_F(SettingsBackupRegistryTest, EveryRefusedFileLeavesTheRegistryUnchanged) {
    StoreAll();
    const std::string good = SettingsBackup::Encode({{"ButtonSetting", Pattern(17384, 50)},
                                                     {"ButtonName", Pattern(18404, 51)},
                                                     {"MacroSetting", Pattern(214004, 52)}});
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        return text.replace(text.find(from), from.size(), to);
    };
    const std::pair<std::string, std::string> cases[] = {
        {"REGEDIT4\r\n", "does not start with"},
        {replaced("Fingrel", "Other"), "other than"},
        {replaced("\"ButtonName\"", "\"Other\""), "is not ButtonSetting"},
        {replaced("=hex:32,3d", "=hex:32"), "size of its settings image"},
        {replaced("=hex:32,3d", "=hex:3z,3d"), "two hex digits"},
        {replaced("=hex:32,3d", "=hex:33,3d"), "checksum does not match"},
        {good.substr(0, good.find(",\\\r\n", good.size() / 2) + 4), "ends in the middle"},
        {good + good.substr(good.find("\"MacroSetting\"")), "appears twice"},
        {std::string(5000, 'x'), "far longer"},
    };
    for (const auto& [text, reason] : cases) {
        WriteText(backup, text);
        const auto imported = RunTool("settings --import \"" + backup + "\"");
        EXPECT_EQ(imported.status, 1) << reason;
        EXPECT_THAT(imported.output, HasSubstr(reason));
        EXPECT_THAT(imported.output, HasSubstr("nothing was written"));
        ExpectStored(settings, names, macros);
    }
}

}  // namespace
}  // namespace q5

// The settings store against the real registry of the test's Wine prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "WinRegistryTestSupport.h"
#include "model/SettingsStore.h"
#include "platform/win/WinPlatform.h"

namespace q5 {
namespace {

const wchar_t kKey[] = L"Software\\Korvo\\Fingrel\\Q5";

class NoPusher final : public ConfigurationPusher {
public:
    bool PushConfiguration() override { return true; }
};

std::vector<std::uint8_t> Pattern(std::size_t length, std::uint8_t seed) {
    std::vector<std::uint8_t> bytes(length);
    for (std::size_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 13 + seed);
    }
    return bytes;
}

std::vector<std::uint8_t> ReadRaw(const wchar_t* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return {};
    }
    DWORD size = 0;
    RegQueryValueExW(key, name, nullptr, nullptr, nullptr, &size);
    std::vector<std::uint8_t> data(size);
    DWORD type = 0;
    RegQueryValueExW(key, name, nullptr, &type, data.data(), &size);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    return data;
}

void WriteRaw(const wchar_t* name, const std::vector<std::uint8_t>& data) {
    test::WriteRawValue(kKey, name, data);
}

class RegistryRoundTripTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteKeyW(HKEY_LOCAL_MACHINE, kKey); }
    void TearDown() override { RegDeleteKeyW(HKEY_LOCAL_MACHINE, kKey); }

    win::WinPlatform os;
};

// The predefined key is a handle value the system recognises as it stands;
// a 64-bit program must pass it sign-extended, as the system's headers do.
TEST_F(RegistryRoundTripTest, TheMachineKeyIsTheSystemsPredefinedHandle) {
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(HKEY_LOCAL_MACHINE), kHkeyLocalMachine.value);
}

TEST_F(RegistryRoundTripTest, ForeignBytesAreWrittenBackByteForByte) {
    auto settings = Pattern(ButtonSetting::kSize, 1);
    const auto names = Pattern(ButtonName::kSize, 2);
    const auto macros = Pattern(MacroTable::kSize, 3);
    WriteRaw(L"ButtonSetting", settings);
    WriteRaw(L"ButtonName", names);
    WriteRaw(L"MacroSetting", macros);

    SettingsStore store(os.registry, os.dialogs);
    store.ResetToFactory([](ActionCode) { return std::u16string(u"x"); });
    store.LoadSettings();
    store.working().slot(12).setCode(ActionCode::Save);
    NoPusher pusher;
    ASSERT_TRUE(store.ApplySettings(pusher, WindowHandle{}));

    settings[16 + 526 * 12 + 1] = 72;
    EXPECT_EQ(ReadRaw(L"ButtonSetting"), settings);
    EXPECT_EQ(ReadRaw(L"ButtonName"), names);
    EXPECT_EQ(ReadRaw(L"MacroSetting"), macros);
}

TEST_F(RegistryRoundTripTest, FirstSaveCreatesTheKey) {
    SettingsStore store(os.registry, os.dialogs);
    store.ResetToFactory([](ActionCode) { return std::u16string(u"name"); });
    store.LoadSettings();
    EXPECT_EQ(store.working(), ButtonSetting::Factory());
    ASSERT_TRUE(store.SaveSettings());
    const auto stored = ReadRaw(L"ButtonSetting");
    ASSERT_EQ(stored.size(), ButtonSetting::kSize);
    EXPECT_EQ(stored[16 + 1], 1);
    EXPECT_EQ(ReadRaw(L"ButtonName").size(), ButtonName::kSize);
    EXPECT_EQ(ReadRaw(L"MacroSetting").size(), MacroTable::kSize);
}

TEST_F(RegistryRoundTripTest, OversizedValueIsNotRead) {
    WriteRaw(L"ButtonSetting", std::vector<std::uint8_t>(ButtonSetting::kSize + 10, 0x55));
    SettingsStore store(os.registry, os.dialogs);
    store.ResetToFactory([](ActionCode) { return std::u16string(); });
    store.LoadSettings();
    EXPECT_EQ(store.working(), ButtonSetting::Factory());
}

}  // namespace
}  // namespace q5

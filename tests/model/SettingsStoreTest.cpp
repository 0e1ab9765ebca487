#include "model/SettingsStore.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/sim/SimPlatform.h"

namespace q5 {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Pushes what the working copy holds at the time of the push.
class FakePusher final : public ConfigurationPusher {
public:
    explicit FakePusher(const ButtonSetting& working) : working_(working) {}
    bool PushConfiguration() override {
        pushed.push_back(working_);
        return succeed;
    }
    bool succeed = true;
    std::vector<ButtonSetting> pushed;

private:
    const ButtonSetting& working_;
};

std::u16string LabelOf(ActionCode code) {
    return u"label " + std::u16string(1, static_cast<char16_t>(u'A' + ToByte(code) % 26));
}

template <typename Image>
std::vector<std::uint8_t> Bytes(const Image& image, std::size_t length = Image::kSize) {
    return std::vector<std::uint8_t>(image.data(), image.data() + length);
}

std::vector<std::uint8_t> Pattern(std::size_t length, std::uint8_t seed) {
    std::vector<std::uint8_t> bytes(length);
    for (std::size_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 31 + seed);
    }
    return bytes;
}

class SettingsStoreTest : public ::testing::Test {
protected:
    void Plant(std::u16string_view name, std::vector<std::uint8_t> data,
               std::uint32_t type = kRegBinary) {
        desktop.registry.SetValue(kSettingsKey, name, {type, std::move(data)});
    }
    std::vector<std::uint8_t> Stored(std::u16string_view name) {
        const auto value = desktop.registry.Value(kSettingsKey, name);
        return value ? value->data : std::vector<std::uint8_t>{};
    }
    void Start() {
        store.ResetToFactory(LabelOf);
        store.LoadSettings();
    }

    sim::SimPlatform desktop;
    SettingsStore store{desktop.registry, desktop.dialogs};
    FakePusher pusher{store.working()};
};

TEST_F(SettingsStoreTest, FirstRunHasTheFactoryAssignmentAndLabels) {
    Start();
    EXPECT_EQ(store.working(), ButtonSetting::Factory());
    EXPECT_EQ(store.active(), ButtonSetting::Factory());
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(store.names().name(slot), LabelOf(FactoryCodeOfSlot(slot)));
    }
    EXPECT_EQ(store.macros(), MacroTable{});
    EXPECT_FALSE(desktop.registry.HasKey(kSettingsKey));
}

TEST_F(SettingsStoreTest, ResetKeepsTheOtherRecordBytes) {
    store.working().slot(2).setCode(ActionCode::Macro);
    store.working().slot(2).setMacroNumber(4);
    store.working().reserved[0] = 9;
    store.ResetToFactory(LabelOf);
    EXPECT_EQ(store.working().slot(2).code(), ActionCode::MiddleClick);
    EXPECT_EQ(store.working().slot(2).macroNumber(), 4);
    EXPECT_EQ(store.working().reserved[0], 9);
    EXPECT_EQ(store.active(), store.working());
}

TEST_F(SettingsStoreTest, StoredValuesReplaceTheImagesWhole) {
    Plant(kButtonSettingValue, Pattern(ButtonSetting::kSize, 1));
    Plant(kButtonNameValue, Pattern(ButtonName::kSize, 2));
    Plant(kMacroSettingValue, Pattern(MacroTable::kSize, 3));
    Start();
    EXPECT_EQ(Bytes(store.working()), Pattern(ButtonSetting::kSize, 1));
    EXPECT_EQ(Bytes(store.names()), Pattern(ButtonName::kSize, 2));
    EXPECT_EQ(Bytes(store.macros()), Pattern(MacroTable::kSize, 3));
    // Loading does not activate: that is the start-up's later step.
    EXPECT_EQ(store.active(), ButtonSetting::Factory());
    EXPECT_EQ(desktop.registry.openKeyCount(), 0u);
}

TEST_F(SettingsStoreTest, AShortValueFillsOnlyTheLeadingBytes) {
    Plant(kButtonSettingValue, std::vector<std::uint8_t>(100, 0));
    Start();
    EXPECT_EQ(store.working().slot(0).codeByte(), 0);
    for (int slot = 1; slot < kSlotCount; ++slot) {
        EXPECT_EQ(store.working().slot(slot).code(), FactoryCodeOfSlot(slot));
    }
}

TEST_F(SettingsStoreTest, ALongValueLeavesTheImageUntouched) {
    Plant(kButtonSettingValue, std::vector<std::uint8_t>(ButtonSetting::kSize + 1, 0x77));
    Plant(kMacroSettingValue, std::vector<std::uint8_t>(MacroTable::kSize + 4, 0x77));
    Start();
    EXPECT_EQ(store.working(), ButtonSetting::Factory());
    EXPECT_EQ(store.macros(), MacroTable{});
}

TEST_F(SettingsStoreTest, ValueTypesAreNotExamined) {
    Plant(kButtonNameValue, {'H', 0, 'i', 0, 0, 0}, 1 /* REG_SZ */);
    Start();
    EXPECT_EQ(store.names().name(0), LabelOf(ActionCode::LeftClick));  // leading bytes only
    EXPECT_EQ(store.names().data()[0], 'H');
}

TEST_F(SettingsStoreTest, NoAccessMeansFactorySettings) {
    Plant(kButtonSettingValue, Pattern(ButtonSetting::kSize, 1));
    desktop.registry.SetAccessDenied(true);
    Start();
    EXPECT_EQ(store.working(), ButtonSetting::Factory());
}

TEST_F(SettingsStoreTest, KeyIsOpenedWithTheSettingsAccess) {
    Start();
    ASSERT_FALSE(desktop.registry.accessLog().empty());
    for (const auto& access : desktop.registry.accessLog()) {
        EXPECT_EQ(access.operation, "open");
        EXPECT_EQ(access.access, 0x2001Fu);
    }
}

TEST_F(SettingsStoreTest, SaveCreatesTheKeyAndWritesAllThreeValues) {
    Start();
    EXPECT_TRUE(store.SaveSettings());
    EXPECT_EQ(Stored(kButtonSettingValue), Bytes(store.working()));
    EXPECT_EQ(Stored(kButtonNameValue), Bytes(store.names()));
    EXPECT_EQ(Stored(kMacroSettingValue), Bytes(store.macros()));
    EXPECT_EQ(desktop.registry.Value(kSettingsKey, kMacroSettingValue)->type, kRegBinary);
    EXPECT_EQ(desktop.registry.openKeyCount(), 0u);
}

TEST_F(SettingsStoreTest, AFailedSaveIsReported) {
    Start();
    desktop.registry.SetWritesFail(true);
    EXPECT_FALSE(store.SaveSettings());
    desktop.registry.SetWritesFail(false);
    desktop.registry.SetAccessDenied(true);
    EXPECT_FALSE(store.SaveSettings());
}

TEST_F(SettingsStoreTest, BytesWrittenByAnotherProgramSurviveARoundTrip) {
    auto foreign = Pattern(ButtonSetting::kSize, 5);
    Plant(kButtonSettingValue, foreign);
    Start();
    store.working().slot(3).setCode(ActionCode::Paste);
    ASSERT_TRUE(store.ApplySettings(pusher, WindowHandle{}));
    foreign[16 + 526 * 3 + 1] = 66;
    EXPECT_EQ(Stored(kButtonSettingValue), foreign);
}

TEST_F(SettingsStoreTest, ApplyActivatesPushesAndSaves) {
    Start();
    store.working().slot(5).setCode(ActionCode::Copy);
    EXPECT_TRUE(store.ApplySettings(pusher, WindowHandle{0x42}));
    EXPECT_EQ(store.active(), store.working());
    ASSERT_EQ(pusher.pushed.size(), 1u);
    EXPECT_EQ(pusher.pushed[0].slot(5).code(), ActionCode::Copy);
    EXPECT_EQ(Stored(kButtonSettingValue), Bytes(store.working()));
    EXPECT_THAT(desktop.journal.AllLines(), IsEmpty());
}

TEST_F(SettingsStoreTest, ApplyWithoutDeviceWarnsAndStoresNothing) {
    Start();
    store.working().slot(5).setCode(ActionCode::Copy);
    pusher.succeed = false;
    EXPECT_FALSE(store.ApplySettings(pusher, WindowHandle{0x42}));
    EXPECT_EQ(store.active().slot(5).code(), ActionCode::Copy);
    EXPECT_FALSE(desktop.registry.HasKey(kSettingsKey));
    EXPECT_THAT(desktop.journal.AllLines(),
                ElementsAre("messagebox 0x42 \"Warning\" \"       Error code: 0x68       \" 0x0"));
}

TEST_F(SettingsStoreTest, ApplyWhoseSaveFailsWarnsToo) {
    Start();
    desktop.registry.SetWritesFail(true);
    EXPECT_FALSE(store.ApplySettings(pusher, WindowHandle{}));
    EXPECT_EQ(pusher.pushed.size(), 1u);
    EXPECT_EQ(desktop.journal.AllLines().size(), 1u);
}

// The stored assignment is what the next start brings back: it follows a
// load and a written value, never an Apply that failed before the save.
TEST_F(SettingsStoreTest, TheStoredAssignmentFollowsTheRegistryNotTheActiveCopy) {
    Plant(kButtonSettingValue, Pattern(ButtonSetting::kSize, 9));
    Start();
    EXPECT_EQ(Bytes(store.stored()), Pattern(ButtonSetting::kSize, 9));

    store.working().slot(2).setCode(ActionCode::Copy);
    pusher.succeed = false;
    EXPECT_FALSE(store.ApplySettings(pusher, WindowHandle{}));
    EXPECT_EQ(Bytes(store.stored()), Pattern(ButtonSetting::kSize, 9));

    desktop.registry.SetWritesFail(true);
    pusher.succeed = true;
    EXPECT_FALSE(store.ApplySettings(pusher, WindowHandle{}));
    EXPECT_EQ(Bytes(store.stored()), Pattern(ButtonSetting::kSize, 9));

    desktop.registry.SetWritesFail(false);
    EXPECT_TRUE(store.ApplySettings(pusher, WindowHandle{}));
    EXPECT_EQ(store.stored(), store.working());
    EXPECT_EQ(store.stored().slot(2).code(), ActionCode::Copy);

    store.stored().slot(2).setCode(ActionCode::Paste);
    EXPECT_TRUE(store.SaveStoredAssignment());
    EXPECT_EQ(Stored(kButtonSettingValue), Bytes(store.stored()));
}

TEST_F(SettingsStoreTest, MacroTableSaveNeedsAnExistingKey) {
    Start();
    store.macros().setCount(1);
    EXPECT_FALSE(store.SaveMacroTable());
    EXPECT_FALSE(desktop.registry.HasKey(kSettingsKey));
    desktop.registry.CreateKey(kSettingsKey);
    EXPECT_TRUE(store.SaveMacroTable());
    EXPECT_EQ(Stored(kMacroSettingValue), Bytes(store.macros()));
    EXPECT_FALSE(desktop.registry.Value(kSettingsKey, kButtonSettingValue));
}

}  // namespace
}  // namespace q5

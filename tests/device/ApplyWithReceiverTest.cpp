// Apply and Reset through the settings store with the real channel and
// presence in front of the simulated receiver: present, absent, refusing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "device/DevicePresence.h"
#include "model/SettingsStore.h"

namespace q5 {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::u16string Label(ActionCode code) {
    return u"label " + std::u16string(1, static_cast<char16_t>(u'a' + ToByte(code) % 26));
}

class ApplyWithReceiverTest : public ::testing::Test, public ChannelFixture {
protected:
    ApplyWithReceiverTest() {
        store.ResetToFactory(Label);
        store.LoadSettings();
    }
    bool Apply() { return store.ApplySettings(presence, kDialog); }
    bool Reset() {
        store.ResetToFactory(Label);
        return Apply();
    }
    std::vector<std::string> Warnings() const { return sim.journal.AllLines(); }

    SettingsStore store{sim.registry, sim.dialogs};
    DevicePresence presence{sim.platform(), driver, kDialog, store.working()};
};

TEST_F(ApplyWithReceiverTest, PresentReceiverGetsTheConfigurationAndTheSettingsAreSaved) {
    ASSERT_TRUE(driver.OpenDevice());
    sim.receiver.ClearLog();
    store.working().slot(0).setCode(ActionCode::RightClick);
    EXPECT_TRUE(Apply());
    ASSERT_FALSE(sim.receiver.Commands().empty());
    EXPECT_EQ(ReceivedLines(sim.receiver).back(), "command 20 mask=0x00000181");
    EXPECT_TRUE(sim.registry.Value(kSettingsKey, kButtonSettingValue));
    EXPECT_TRUE(sim.registry.Value(kSettingsKey, kMacroSettingValue));
    EXPECT_THAT(Warnings(), IsEmpty());
}

TEST_F(ApplyWithReceiverTest, AbsentReceiverWarnsActivatesAndSavesNothing) {
    store.working().slot(0).setCode(ActionCode::RightClick);
    EXPECT_FALSE(Apply());
    EXPECT_EQ(store.active().slot(0).code(), ActionCode::RightClick);
    EXPECT_FALSE(sim.registry.HasKey(kSettingsKey));
    EXPECT_THAT(
        Warnings(),
        ElementsAre("messagebox 0x4242 \"Warning\" \"       Error code: 0x68       \" 0x0"));
}

TEST_F(ApplyWithReceiverTest, RefusingDriverWarnsAndSavesNothing) {
    ASSERT_TRUE(driver.OpenDevice());
    sim.receiver.RefuseCommands();
    EXPECT_FALSE(Apply());
    EXPECT_FALSE(sim.registry.HasKey(kSettingsKey));
    EXPECT_EQ(Warnings().size(), 1u);
}

TEST_F(ApplyWithReceiverTest, ResetWithTheReceiverUnpluggedActivatesTheFactoryAssignment) {
    ASSERT_TRUE(driver.OpenDevice());
    store.working().slot(4).setCode(ActionCode::Copy);
    ASSERT_TRUE(Apply());
    const auto saved = sim.registry.Value(kSettingsKey, kButtonSettingValue);
    sim.receiver.Unplug();

    EXPECT_FALSE(Reset());
    EXPECT_EQ(store.active(), ButtonSetting::Factory());
    EXPECT_EQ(store.names().name(4), Label(ActionCode::ScrollDown));
    EXPECT_EQ(sim.registry.Value(kSettingsKey, kButtonSettingValue), saved);
    EXPECT_EQ(Warnings().size(), 1u);
}

}  // namespace
}  // namespace q5

// One gesture along the whole road on the simulated platform: the receiver
// releases the semaphore, the worker fetches the event and posts 0x7EB to
// the dialog, the dialog hands it to the dispatcher, the executor performs
// the slot's function and the input arrives at the simulated desktop.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <variant>

#include "DeviceTestSupport.h"
#include "actions/ActionExecutor.h"
#include "actions/CFaceBookFunction.h"
#include "actions/KeyCodePlayer.h"
#include "actions/MacroPlayback.h"
#include "actions/MediaPlayers.h"
#include "actions/SystemFunctions.h"
#include "actions/WindowScroller.h"
#include "device/DeviceBroadcast.h"
#include "device/DevicePresence.h"
#include "device/DriverProtocol.h"
#include "model/GestureDispatcher.h"
#include "model/SettingsStore.h"

namespace q5 {
namespace {

using ::testing::ElementsAre;
using namespace std::chrono_literals;

// The bit of the button mask that makes the driver report slot 0's gesture.
constexpr std::uint32_t kSlot0MaskBit = 0x01;
constexpr std::u16string_view kReceiverPath =
    u"\\\\?\\USB#Vid_5A1C&Pid_1801#5&1a2b3c&0&2#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";

std::u16string Label(ActionCode) {
    return u"label";
}

class WholeGestureTest : public ::testing::Test, public ChannelFixture {
protected:
    WholeGestureTest() {
        store.ResetToFactory(Label);
        store.LoadSettings();
    }

    // The dialog's part: every driver-event message posted to it since the
    // last call goes to the dispatcher, in the order it was posted.
    void DeliverPosted(std::size_t total) {
        ASSERT_TRUE(sim.posting.WaitForCount(total, 5s));
        const auto posted = sim.posting.Posted();
        for (std::size_t i = delivered_; i < posted.size(); ++i) {
            ASSERT_EQ(posted[i].window, kDialog);
            ASSERT_EQ(posted[i].message.message, kDriverEventMessage);
            dispatcher.OnDeviceEvent(static_cast<std::uint32_t>(posted[i].message.wParam));
        }
        delivered_ = posted.size();
    }

    // The keyboard and mouse input the desktop received, in order.
    std::vector<sim::PlatformCall> Input() const {
        std::vector<sim::PlatformCall> input;
        for (const auto& call : sim.journal.Calls()) {
            if (std::holds_alternative<sim::KeyCall>(call) ||
                std::holds_alternative<sim::MouseCall>(call)) {
                input.push_back(call);
            }
        }
        return input;
    }

    void Assign(int slot, ActionCode code) { store.working().slot(slot).setCode(code); }

    SettingsStore store{sim.registry, sim.dialogs};
    DevicePresence presence{sim.platform(), driver, kDialog, store.working()};
    KeyCodePlayer keys{sim.platform()};
    MacroPlayback macros{sim.platform(), keys, store.macros(), u"Korvo Q5"};
    WindowScroller scroller{sim.platform()};
    MediaPlayers media{sim.platform()};
    SystemFunctions system{sim.platform()};
    CFaceBookFunction social{sim.platform(), system};
    ActionExecutor executor{sim.platform(),
                            ActionCollaborators{scroller, media, system, social, keys, macros}};
    GestureDispatcher dispatcher{sim.clock, store.active(), executor};

private:
    std::size_t delivered_ = 0;
};

const auto kCtrlC = ElementsAre(
    sim::PlatformCall{sim::KeyCall{0x11, 0, 1, 0}}, sim::PlatformCall{sim::KeyCall{'C', 0, 1, 0}},
    sim::PlatformCall{sim::KeyCall{'C', 0, 3, 0}}, sim::PlatformCall{sim::KeyCall{0x11, 0, 3, 0}});

TEST_F(WholeGestureTest, AnAppliedAssignmentIsPerformedWhenTheReceiverReportsTheGesture) {
    ASSERT_TRUE(driver.OpenDevice());
    const auto event = EventOfSlot(0);
    ASSERT_TRUE(event);
    Assign(0, ActionCode::Copy);
    ASSERT_TRUE(store.ApplySettings(presence, kDialog));
    EXPECT_EQ(sim.receiver.buttonMask(), kButtonMaskBase | kSlot0MaskBit);
    sim.journal.Clear();

    ASSERT_TRUE(sim.receiver.QueueEvent(*event));
    DeliverPosted(1);
    EXPECT_THAT(Input(), kCtrlC);

    // The next gesture of the same slot performs it again; an event that
    // selects no gesture performs nothing.
    sim.journal.Clear();
    ASSERT_TRUE(sim.receiver.QueueEvent(0x12345678));
    ASSERT_TRUE(sim.receiver.QueueEvent(*event));
    DeliverPosted(3);
    EXPECT_THAT(Input(), kCtrlC);
}

TEST_F(WholeGestureTest, AfterApplyWithoutTheReceiverTheNewAssignmentRunsOnceItIsBack) {
    sim.receiver.Unplug();
    const auto event = EventOfSlot(0);
    ASSERT_TRUE(event);
    Assign(0, ActionCode::Copy);
    EXPECT_FALSE(store.ApplySettings(presence, kDialog));  // warned, yet active
    EXPECT_TRUE(sim.receiver.Commands().empty());
    EXPECT_FALSE(sim.receiver.buttonMask());
    EXPECT_FALSE(sim.receiver.registered());
    EXPECT_FALSE(sim.receiver.QueueEvent(*event));
    EXPECT_TRUE(sim.posting.Posted().empty());

    // The receiver arrives: the dialog's device-change handler connects and
    // pushes the assignment applied while it was away.
    sim.receiver.PlugIn();
    presence.OnDeviceChange(kDbtDeviceArrival,
                            MakeInterfaceBroadcast(kUsbDeviceInterfaceClass, kReceiverPath));
    ASSERT_TRUE(driver.IsDeviceOpen());
    EXPECT_EQ(sim.receiver.buttonMask(), kButtonMaskBase | kSlot0MaskBit);
    sim.journal.Clear();
    ASSERT_TRUE(sim.receiver.QueueEvent(*event));
    DeliverPosted(1);
    EXPECT_THAT(Input(), kCtrlC);
}

}  // namespace
}  // namespace q5

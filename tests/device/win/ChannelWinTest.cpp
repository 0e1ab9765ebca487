// The driver channel on the real Windows semaphore, thread, PostMessageW,
// timers and windows, with the simulated receiver in place of the driver.
#include <gtest/gtest.h>

#include <windows.h>

#include <dbt.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <vector>

#include "device/CUSBDriver.h"
#include "device/DevicePresence.h"
#include "device/DriverProtocol.h"
#include "device/win/BroadcastRecord.h"
#include "model/ButtonSetting.h"
#include "platform/sim/SimReceiver.h"
#include "platform/win/WinPlatform.h"

namespace q5 {
namespace {

constexpr wchar_t kTestWindowClass[] = L"Q5DeviceTestWindow";

// A real top-level window that keeps the driver events it receives and
// hands device changes and timers to the presence object, if one is set.
class TestWindow {
public:
    TestWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &TestWindow::Procedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kTestWindowClass;
        ::RegisterClassW(&windowClass);
        hwnd_ = ::CreateWindowExW(0, kTestWindowClass, L"Q5 device test", WS_OVERLAPPED, 0, 0, 10,
                                  10, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    ~TestWindow() { ::DestroyWindow(hwnd_); }

    HWND hwnd() const { return hwnd_; }
    WindowHandle handle() const { return WindowHandle{reinterpret_cast<std::uintptr_t>(hwnd_)}; }

    // Dispatches messages until `done` holds or the time runs out.
    bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) {
                return false;
            }
            MSG msg;
            while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        }
        return true;
    }

    std::vector<WPARAM> events;
    std::vector<LPARAM> eventLParams;
    DevicePresence* presence = nullptr;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<TestWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self != nullptr) {
            if (message == kDriverEventMessage) {
                self->events.push_back(wParam);
                self->eventLParams.push_back(lParam);
                return 0;
            }
            if (message == WM_DEVICECHANGE && self->presence != nullptr) {
                return self->presence->OnDeviceChange(wParam, win::BroadcastRecord(wParam, lParam));
            }
            if (message == WM_TIMER && self->presence != nullptr) {
                self->presence->OnTimer(wParam);
            }
        }
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }

    HWND hwnd_ = nullptr;
};

// A real device-interface arrival record with the given name.
std::vector<std::uint8_t> ArrivalRecord(const wchar_t* name) {
    const std::size_t nameBytes = (std::wcslen(name) + 1) * sizeof(wchar_t);
    std::vector<std::uint8_t> buffer(offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) +
                                     nameBytes);
    auto* record = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(buffer.data());
    record->dbcc_size = static_cast<DWORD>(buffer.size());
    record->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    record->dbcc_classguid =
        GUID{0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};
    std::memcpy(record->dbcc_name, name, nameBytes);
    return buffer;
}

class ChannelWinTest : public ::testing::Test {
protected:
    std::vector<std::string> ReceivedLines() const {
        std::vector<std::string> lines;
        for (const auto& received : receiver.Commands()) {
            lines.push_back(sim::FormatReceivedCommand(received.record));
        }
        return lines;
    }

    win::WinPlatform platform;
    sim::SimReceiver receiver{platform.threads};
    TestWindow window;
    CUSBDriver driver{RoutedPlatform()};

    Platform RoutedPlatform() {
        platform.RouteDeviceIo(receiver);
        return platform.platform();
    }
};

TEST_F(ChannelWinTest, HiddenWindowCarriesItsName) {
    ASSERT_TRUE(driver.StartDriverThread(window.handle()));
    const HWND found = ::FindWindowW(nullptr, L"Korvotouchdriver");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(found), driver.hiddenWindow().value);
    EXPECT_FALSE(::IsWindowVisible(found));
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLongW(found, GWL_STYLE)) & WS_POPUP, WS_POPUP);
}

TEST_F(ChannelWinTest, EightThousandEventsQueuedAtOnceArriveInOrder) {
    receiver.PlugIn();
    ASSERT_TRUE(driver.StartDriverThread(window.handle()));
    ASSERT_TRUE(driver.OpenDevice());
    constexpr std::uint32_t kCount = 8000;
    for (std::uint32_t i = 0; i < kCount; ++i) {
        ASSERT_TRUE(receiver.QueueEvent(0x80000000 + i)) << i;
    }
    ASSERT_TRUE(
        window.PumpUntil([&] { return window.events.size() >= kCount; }, std::chrono::seconds(60)));
    // Give a stray extra message the chance to show up.
    window.PumpUntil([] { return false; }, std::chrono::milliseconds(100));
    ASSERT_EQ(window.events.size(), kCount);
    for (std::uint32_t i = 0; i < kCount; ++i) {
        ASSERT_EQ(window.events[i], 0x80000000 + i) << i;
        ASSERT_EQ(window.eventLParams[i], 0) << i;
    }
    EXPECT_EQ(receiver.queuedEvents(), 0u);
}

TEST_F(ChannelWinTest, NothingIsPostedWhileNoDeviceIsOpen) {
    receiver.PlugIn();
    ASSERT_TRUE(driver.StartDriverThread(window.handle()));
    ASSERT_TRUE(platform.threads.ReleaseSemaphore(driver.semaphore(), 5));
    window.PumpUntil([] { return false; }, std::chrono::milliseconds(300));
    EXPECT_TRUE(window.events.empty());
    EXPECT_EQ(receiver.fetches(), 0u);

    // The releases were consumed: one event now gives one fetch and one post.
    ASSERT_TRUE(driver.OpenDevice());
    ASSERT_TRUE(receiver.QueueEvent(0x80000008));
    ASSERT_TRUE(window.PumpUntil([&] { return !window.events.empty(); }, std::chrono::seconds(10)));
    window.PumpUntil([] { return false; }, std::chrono::milliseconds(100));
    EXPECT_EQ(window.events, std::vector<WPARAM>{0x80000008});
    EXPECT_EQ(receiver.fetches(), 1u);
}

TEST_F(ChannelWinTest, ArrivalSentToTheWindowConnectsAndPushes) {
    receiver.PlugIn();
    ButtonSetting working = ButtonSetting::Factory();
    working.slot(0).setCode(ActionCode::RightClick);
    working.slot(10).setCode(ActionCode::Macro);
    DevicePresence presence(RoutedPlatform(), driver, window.handle(), working);
    window.presence = &presence;
    ASSERT_TRUE(driver.StartDriverThread(window.handle()));

    auto other =
        ArrivalRecord(L"\\\\?\\USB#VID_5A1C&PID_2000#1#{a5dcbf10-6530-11d2-901f-00c04fb951ed}");
    ::SendMessageW(window.hwnd(), WM_DEVICECHANGE, DBT_DEVICEARRIVAL,
                   reinterpret_cast<LPARAM>(other.data()));
    EXPECT_TRUE(receiver.Commands().empty());

    auto arrival =
        ArrivalRecord(L"\\\\?\\USB#VID_5A1C&PID_1801#1#{a5dcbf10-6530-11d2-901f-00c04fb951ed}");
    const auto started = std::chrono::steady_clock::now();
    const LRESULT result = ::SendMessageW(window.hwnd(), WM_DEVICECHANGE, DBT_DEVICEARRIVAL,
                                          reinterpret_cast<LPARAM>(arrival.data()));
    EXPECT_EQ(result, 0);
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(190));

    const auto lines = ReceivedLines();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], "command 1");
    EXPECT_EQ(lines[1], "command 20 mask=0x00000000");
    EXPECT_EQ(lines[8], "command 20 mask=0x00000181");
    EXPECT_EQ(receiver.keyList()->at(0), 0x708u);
    window.presence = nullptr;
}

TEST_F(ChannelWinTest, RealRetryTimerConnectsOnceTheReceiverIsThere) {
    ButtonSetting working = ButtonSetting::Factory();
    DevicePresence presence(RoutedPlatform(), driver, window.handle(), working);
    window.presence = &presence;
    ASSERT_TRUE(driver.StartDriverThread(window.handle()));

    presence.Connect();
    ASSERT_TRUE(presence.retrying());
    window.PumpUntil([] { return false; }, std::chrono::milliseconds(600));
    EXPECT_FALSE(driver.IsDeviceOpen());

    receiver.PlugIn();
    ASSERT_TRUE(window.PumpUntil([&] { return driver.IsDeviceOpen(); }, std::chrono::seconds(5)));
    EXPECT_FALSE(presence.retrying());
    EXPECT_EQ(ReceivedLines().size(), 9u);
    // The timer is gone: no second connection.
    window.PumpUntil([] { return false; }, std::chrono::milliseconds(700));
    EXPECT_EQ(ReceivedLines().size(), 9u);
    window.presence = nullptr;
}

TEST_F(ChannelWinTest, RegistersTheWindowForDeviceArrival) {
    ButtonSetting working = ButtonSetting::Factory();
    DevicePresence presence(RoutedPlatform(), driver, window.handle(), working);
    EXPECT_TRUE(presence.RegisterForArrival());
}

}  // namespace
}  // namespace q5

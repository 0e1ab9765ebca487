// The demo program with its editors, as a user meets them: a slot chosen by
// a click, the function menu clicked open and its item clicked, keys
// pressed into the editor, OK and Apply clicked; the real registry holds the
// record, and the slot's gesture from the demo's pad plays it as input that
// another program's low-level hook sees.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "ToolRunner.h"
#include "WinHookRecorder.h"
#include "model/ActionRecord.h"
#include "model/ButtonSetting.h"
#include "model/GestureDispatcher.h"
#include "ui/MenuPlacement.h"
#include "ui/SkinLayout.h"
#include "ui/win/WinUiTestSupport.h"

namespace q5::win {
namespace {

constexpr wchar_t kTitle[] = L"Korvo Q5 Mouse Driver";
constexpr wchar_t kKey[] = L"Software\\Korvo\\Fingrel\\Q5";
constexpr wchar_t kDemo[] = L"KorvoQ5Demo.exe";
constexpr wchar_t kMenuWindowClass[] = L"Q5MenuExPopup";
constexpr wchar_t kComboTitle[] = L"Q5ComboDlg";
constexpr UINT kTrayMessage = 0x600;
// The function menu's top level: the key-combination item comes first.
constexpr std::size_t kTopLevelItems = 9;
constexpr int kComboItemPosition = 0;
constexpr std::uint8_t kComboCode = 19;
constexpr int kSlot = 3;

PROCESS_INFORMATION Start(const wchar_t* name) {
    const std::string dir = Q5_BIN_DIR;
    std::wstring command = L"\"" + std::wstring(dir.begin(), dir.end()) + L"/" + name + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process);
    return process;
}

template <typename Condition>
bool WaitUntil(Condition condition, int milliseconds = 10000) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (condition()) {
            return true;
        }
        test::Settle();
    }
    return condition();
}

// The stored record of `slot` in ButtonSetting, if the value exists.
std::optional<ActionRecord> StoredRecord(int slot) {
    std::array<std::uint8_t, ButtonSetting::kSize> image{};
    DWORD size = image.size();
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, kKey, L"ButtonSetting", RRF_RT_REG_BINARY, nullptr,
                       image.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    ActionRecord record;
    const auto first = image.begin() + ButtonSetting::kSlotsOffset + slot * ActionRecord::kSize;
    std::copy(first, first + ActionRecord::kSize, record.bytes.begin());
    return record;
}

INPUT Key(WORD vk, DWORD flags = 0) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    return input;
}

void ClickCentreOf(const RECT& r) {
    test::ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    test::Settle();
    ::Sleep(150);
}

std::string Hex(std::uint32_t code) {
    char text[16]{};
    std::snprintf(text, sizeof text, "0x%X", code);
    return text;
}

class ProgramEditorsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kKey, L"ButtonSetting");
        demo = Start(kDemo);
        ASSERT_NE(demo.hProcess, nullptr);
        ASSERT_TRUE(WaitUntil([this] { return (window = ::FindWindowW(nullptr, kTitle)); }));
        ::PostMessageW(window, kTrayMessage, 0, WM_LBUTTONDBLCLK);
        ASSERT_TRUE(WaitUntil([this] { return ::IsWindowVisible(window) != FALSE; }));
        ::SetForegroundWindow(window);
        test::Settle();
        ::Sleep(300);
    }
    void TearDown() override {
        if (!demo.hProcess) {
            return;
        }
        if (::WaitForSingleObject(demo.hProcess, 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(demo.hProcess, 1);
            ::WaitForSingleObject(demo.hProcess, 5000);
        }
        ::CloseHandle(demo.hThread);
        ::CloseHandle(demo.hProcess);
    }
    // Clicks the centre of the main window's button at `r` once it is on
    // the screen there.
    void ClickMain(const Rect& r) {
        RECT frame{};
        ::GetWindowRect(window, &frame);
        const RECT at{frame.left + r.left, frame.top + r.top, frame.left + r.right,
                      frame.top + r.bottom};
        const POINT p{(at.left + at.right) / 2, (at.top + at.bottom) / 2};
        ASSERT_TRUE(WaitUntil([&] { return ::GetParent(::WindowFromPoint(p)) == window; }, 5000));
        ClickCentreOf(at);
    }
    // Opens the function menu with its button and clicks the top-level item
    // at `position`, at the rectangle the menu's layout gives it.
    void ChooseFromTheMenu(int position) {
        ClickMain(skin::kMainFunctionButton);
        HWND menu = nullptr;
        ASSERT_TRUE(WaitUntil(
            [&] {
                menu = ::FindWindowW(kMenuWindowClass, nullptr);
                return menu && ::IsWindowVisible(menu);
            },
            5000));
        ::Sleep(300);
        // The item size follows the skin's images and the longest label:
        // read back from the window's client size.
        RECT client{};
        ::GetClientRect(menu, &client);
        MenuGeometry geometry;
        geometry.itemWidth = client.right - 2 * geometry.border;
        geometry.itemHeight =
            (client.bottom - 2 * geometry.border) / static_cast<int>(kTopLevelItems);
        ASSERT_EQ(MenuWindowSize(geometry, kTopLevelItems),
                  (MenuSize{client.right, client.bottom}));
        const Rect item = MenuItemRect(geometry, position);
        POINT topLeft{item.left, item.top};
        POINT bottomRight{item.right, item.bottom};
        ::ClientToScreen(menu, &topLeft);
        ::ClientToScreen(menu, &bottomRight);
        ClickCentreOf(RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y});
    }
    HWND WaitForEditor(const wchar_t* title) {
        HWND editor = nullptr;
        WaitUntil(
            [&] {
                editor = ::FindWindowW(nullptr, title);
                return editor && ::IsWindowVisible(editor);
            },
            5000);
        return editor;
    }
    // Clicks the button at `r` of the editor window `editor`.
    static void ClickIn(HWND editor, const Rect& r) {
        RECT frame{};
        ::GetWindowRect(editor, &frame);
        ClickCentreOf(RECT{frame.left + r.left, frame.top + r.top, frame.left + r.right,
                           frame.top + r.bottom});
    }
    void ApplyAndWaitForCode(std::uint8_t code) {
        ClickMain(skin::kMainApplyButton);
        ASSERT_TRUE(WaitUntil(
            [&] {
                const auto record = StoredRecord(kSlot);
                return record && record->codeByte() == code;
            },
            3000));
    }
    // Fires the slot's first event through the demo's pad with q5tool and
    // returns the keys the hook saw once `count` arrived (or ten seconds).
    std::vector<q5::test::HookedKey> FireSlotAndRecord(std::size_t count) {
        const std::optional<std::uint32_t> event = EventOfSlot(kSlot);
        EXPECT_TRUE(event.has_value());
        if (!event) {
            return {};
        }
        q5::test::WinHookRecorder hooks;
        EXPECT_TRUE(hooks.installed());
        ::SetCursorPos(1, 1);
        hooks.Clear();
        const auto result = q5::test::RunTool("gesture " + Hex(*event));
        EXPECT_EQ(result.status, 0) << result.output;
        WaitUntil([&] { return hooks.keys().size() >= count; }, 10000);
        ::Sleep(300);  // anything more that should not come
        EXPECT_TRUE(hooks.mice().empty());
        return hooks.keys();
    }

    PROCESS_INFORMATION demo{};
    HWND window = nullptr;
};

TEST_F(ProgramEditorsTest, CombinationRecordedAppliedStoredAndPlayedByTheGesture) {
    ClickMain(skin::kMainSlotButtons[kSlot]);
    ::SetCursorPos(1, 1);
    ChooseFromTheMenu(kComboItemPosition);
    const HWND combo = WaitForEditor(kComboTitle);
    ASSERT_NE(combo, nullptr);
    ::SetForegroundWindow(combo);
    test::Settle();
    ::Sleep(300);

    INPUT keys[] = {Key(VK_LCONTROL),
                    Key(VK_LSHIFT),
                    Key('S'),
                    Key('S', KEYEVENTF_KEYUP),
                    Key(VK_LSHIFT, KEYEVENTF_KEYUP),
                    Key(VK_LCONTROL, KEYEVENTF_KEYUP)};
    ASSERT_EQ(::SendInput(std::size(keys), keys, sizeof(INPUT)), std::size(keys));
    test::Settle();
    ::Sleep(500);
    ClickIn(combo, skin::kComboOkButton);
    ASSERT_TRUE(WaitUntil([] { return ::FindWindowW(nullptr, kComboTitle) == nullptr; }, 5000));

    // Nothing is saved before Apply.
    EXPECT_FALSE(StoredRecord(kSlot).has_value());
    ApplyAndWaitForCode(kComboCode);
    const auto record = StoredRecord(kSlot);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->combination(), (Combination{0x03, 'S', 0}));
    EXPECT_EQ(record->bytes[ActionRecord::kCombinationOffset], 0x03);
    EXPECT_EQ(record->bytes[ActionRecord::kCombinationOffset + 1], 'S');
    EXPECT_EQ(record->bytes[ActionRecord::kCombinationOffset + 2], 0);

    // The modifiers go down, the key is tapped, the modifiers go up in the
    // order they went down.
    const auto played = FireSlotAndRecord(6);
    ASSERT_EQ(played.size(), 6u);
    const DWORD vks[] = {VK_CONTROL, VK_SHIFT, 'S', 'S', VK_CONTROL, VK_SHIFT};
    const bool up[] = {false, false, false, true, true, true};
    for (std::size_t i = 0; i < played.size(); ++i) {
        EXPECT_EQ(played[i].vk, vks[i]) << i;
        EXPECT_EQ((played[i].flags & LLKHF_UP) != 0, up[i]) << i;
        EXPECT_TRUE(played[i].flags & LLKHF_INJECTED) << i;
        EXPECT_EQ(played[i].scan, ::MapVirtualKeyW(vks[i], MAPVK_VK_TO_VSC)) << i;
    }
    EXPECT_EQ(::WaitForSingleObject(demo.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

}  // namespace
}  // namespace q5::win

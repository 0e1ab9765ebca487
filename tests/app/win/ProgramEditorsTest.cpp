// The demo program with its editors, as a user meets them: a slot chosen by
// a click, the function menu clicked open and its item clicked, keys
// pressed into the editor, OK and Apply clicked; the real registry holds the
// record, and the slot's gesture from the demo's pad plays it as input that
// another program's low-level hook sees.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ProgramDriver.h"
#include "ToolRunner.h"
#include "WinHookRecorder.h"
#include "editors/KeyNames.h"
#include "editors/MacroTable.h"
#include "model/ActionRecord.h"
#include "model/ButtonSetting.h"
#include "model/GestureDispatcher.h"
#include "ui/SkinLayout.h"
#include "ui/win/WinUiTestSupport.h"

namespace q5::win {
namespace {

constexpr wchar_t kTitle[] = L"Korvo Q5 Mouse Driver";
constexpr wchar_t kDemo[] = L"KorvoQ5Demo.exe";
constexpr wchar_t kComboTitle[] = L"Q5ComboDlg";
constexpr wchar_t kMacroTitle[] = L"Q5MacroDlg";
constexpr UINT kTrayMessage = 0x600;
constexpr std::uint8_t kComboCode = 19;
constexpr std::uint8_t kMacroCode = 20;
constexpr int kSlot = 3;

// The stored record of `slot` in ButtonSetting, if the value exists.
std::optional<ActionRecord> StoredRecord(int slot) {
    std::array<std::uint8_t, ButtonSetting::kSize> image{};
    DWORD size = image.size();
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, test::SettingsKeyPath().c_str(), L"ButtonSetting",
                       RRF_RT_REG_BINARY, nullptr, image.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    ActionRecord record;
    const auto first = image.begin() + ButtonSetting::kSlotsOffset + slot * ActionRecord::kSize;
    std::copy(first, first + ActionRecord::kSize, record.bytes.begin());
    return record;
}

// The stored macro table, zeroed if the value is missing.
MacroTable StoredMacros() {
    auto table = std::make_unique<MacroTable>();
    DWORD size = MacroTable::kSize;
    ::RegGetValueW(HKEY_LOCAL_MACHINE, test::SettingsKeyPath().c_str(), L"MacroSetting",
                   RRF_RT_REG_BINARY, nullptr, table->data(), &size);
    return *table;
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
        test::ForgetStoredSettings();
        // The settings key exists, as after the program's first Apply: the
        // macro editor's OK stores the macros only into an existing key
        // (before that, they wait in memory for Apply, which creates it).
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, test::SettingsKeyPath().c_str(), 0, nullptr,
                                    0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ::RegCloseKey(key);
        demo = test::StartShipped(kDemo);
        ASSERT_NE(demo.hProcess, nullptr);
        ASSERT_TRUE(test::WaitUntil([this] { return (window = ::FindWindowW(nullptr, kTitle)); }));
        ::PostMessageW(window, kTrayMessage, 0, WM_LBUTTONDBLCLK);
        ASSERT_TRUE(test::WaitUntil([this] { return ::IsWindowVisible(window) != FALSE; }));
        ::SetForegroundWindow(window);
        test::Settle();
        ::Sleep(300);
    }
    void TearDown() override {
        test::EndProcess(demo);
        test::ForgetStoredSettings();
    }
    // Clicks the centre of the main window's button at `r` once it is on
    // the screen there.
    void ClickMain(const Rect& r) {
        RECT frame{};
        ::GetWindowRect(window, &frame);
        const RECT at{frame.left + r.left, frame.top + r.top, frame.left + r.right,
                      frame.top + r.bottom};
        const POINT p{(at.left + at.right) / 2, (at.top + at.bottom) / 2};
        ASSERT_TRUE(
            test::WaitUntil([&] { return ::GetParent(::WindowFromPoint(p)) == window; }, 5000));
        ClickCentreOf(at);
    }
    // Opens the function menu with its button and chooses `code` in it.
    void ChooseFromTheMenu(std::uint32_t code) {
        ClickMain(skin::kMainFunctionButton);
        test::ChooseFromFunctionMenu(window, ::GetProcessId(demo.hProcess), code);
    }
    HWND WaitForEditor(const wchar_t* title) {
        HWND editor = nullptr;
        test::WaitUntil(
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
        ASSERT_TRUE(test::WaitUntil(
            [&] {
                const auto record = StoredRecord(kSlot);
                return record && record->codeByte() == code;
            },
            3000));
    }
    struct Played {
        std::vector<q5::test::HookedKey> keys;
        std::vector<q5::test::HookedMouse> mice;
    };
    // Fires the slot's first event through the demo's pad with q5tool and
    // returns what the hook saw once `keyCount` keys and `mouseCount` button
    // events arrived (or ten seconds passed).
    Played FireSlotAndRecord(std::size_t keyCount, std::size_t mouseCount = 0) {
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
        test::WaitUntil(
            [&] { return hooks.keys().size() >= keyCount && hooks.mice().size() >= mouseCount; },
            10000);
        ::Sleep(300);  // anything more that should not come
        return {hooks.keys(), hooks.mice()};
    }

    PROCESS_INFORMATION demo{};
    HWND window = nullptr;
};

TEST_F(ProgramEditorsTest, CombinationRecordedAppliedStoredAndPlayedByTheGesture) {
    ClickMain(skin::kMainSlotButtons[kSlot]);
    ::SetCursorPos(1, 1);
    ChooseFromTheMenu(kComboCode);
    const HWND combo = WaitForEditor(kComboTitle);
    ASSERT_NE(combo, nullptr);
    ::SetForegroundWindow(combo);
    test::Settle();
    ::Sleep(300);

    INPUT keys[] = {test::KeyInput(VK_LCONTROL),
                    test::KeyInput(VK_LSHIFT),
                    test::KeyInput('S'),
                    test::KeyInput('S', KEYEVENTF_KEYUP),
                    test::KeyInput(VK_LSHIFT, KEYEVENTF_KEYUP),
                    test::KeyInput(VK_LCONTROL, KEYEVENTF_KEYUP)};
    ASSERT_EQ(::SendInput(std::size(keys), keys, sizeof(INPUT)), std::size(keys));
    test::Settle();
    ::Sleep(500);
    ClickIn(combo, skin::kComboOkButton);
    ASSERT_TRUE(
        test::WaitUntil([] { return ::FindWindowW(nullptr, kComboTitle) == nullptr; }, 5000));

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
    const auto hooked = FireSlotAndRecord(6);
    EXPECT_TRUE(hooked.mice.empty());
    const auto& played = hooked.keys;
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

TEST_F(ProgramEditorsTest, MacroRecordedAppliedStoredAndPlayedByTheGesture) {
    ClickMain(skin::kMainSlotButtons[kSlot]);
    ::SetCursorPos(1, 1);
    ChooseFromTheMenu(kMacroCode);
    const HWND editor = WaitForEditor(kMacroTitle);
    ASSERT_NE(editor, nullptr);
    ::SetForegroundWindow(editor);
    test::Settle();
    ::Sleep(300);

    // A new macro, recorded: Q typed, then OK clicked; the click on the
    // editor's own button is not part of the macro.
    ClickIn(editor, skin::kMacroNewButton);
    ClickIn(editor, skin::kMacroRecordButton);
    INPUT keys[] = {test::KeyInput('Q'), test::KeyInput('Q', KEYEVENTF_KEYUP)};
    ASSERT_EQ(::SendInput(std::size(keys), keys, sizeof(INPUT)), std::size(keys));
    test::Settle();
    ::Sleep(300);
    ClickIn(editor, skin::kMacroOkButton);
    ASSERT_TRUE(
        test::WaitUntil([] { return ::FindWindowW(nullptr, kMacroTitle) == nullptr; }, 5000));

    // OK saved the macro table; the slot waits for Apply.
    const MacroTable table = StoredMacros();
    ASSERT_EQ(table.count(), 1u);
    const tagMACROINFO& macro = table.macros[0];
    ASSERT_EQ(macro.stepCount(), 2);
    EXPECT_EQ(macro.steps[0].vk, 'Q');
    EXPECT_EQ(macro.steps[0].keyUp, 0);
    EXPECT_EQ(macro.steps[1].vk, 'Q');
    EXPECT_EQ(macro.steps[1].keyUp, 1);
    EXPECT_FALSE(StoredRecord(kSlot).has_value());

    ApplyAndWaitForCode(kMacroCode);
    const auto record = StoredRecord(kSlot);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->macroNumber(), 0);

    // Played back: Q down and up, and no click.
    const auto played = FireSlotAndRecord(2);
    ASSERT_EQ(played.keys.size(), 2u);
    EXPECT_EQ(played.keys[0].vk, static_cast<DWORD>('Q'));
    EXPECT_FALSE(played.keys[0].flags & LLKHF_UP);
    EXPECT_EQ(played.keys[1].vk, static_cast<DWORD>('Q'));
    EXPECT_TRUE(played.keys[1].flags & LLKHF_UP);
    EXPECT_TRUE(played.mice.empty());
    EXPECT_EQ(::WaitForSingleObject(demo.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

}  // namespace
}  // namespace q5::win

/*
 * What the end-to-end tests of the program and the demo share: starting a
 * program from the shipped folder, waiting for what it shows, and choosing
 * a function from its function menu the way a user does, with the pointer.
 */
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "model/SettingsStore.h"
#include "ui/FunctionMenuPath.h"
#include "ui/MenuPlacement.h"
#include "ui/win/MenuExExports.h"
#include "ui/win/MenuLibrary.h"
#include "ui/win/WideText.h"
#include "ui/win/WinUiTestSupport.h"

namespace q5::win::test {

// Starts `name` from the shipped folder.
inline PROCESS_INFORMATION StartShipped(const wchar_t* name) {
    const std::string dir = Q5_BIN_DIR;
    std::wstring command = L"\"" + std::wstring(dir.begin(), dir.end()) + L"/" + name + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process);
    return process;
}

// The key of the program's stored settings, under HKEY_LOCAL_MACHINE.
inline std::wstring SettingsKeyPath() {
    return Wide(std::u16string(kSettingsKey));
}

// Removes the stored assignment and macros, so that a program starts, and
// a later run of the demo in the same prefix finds, the factory settings.
inline void ForgetStoredSettings() {
    for (const std::u16string_view value : {kButtonSettingValue, kMacroSettingValue}) {
        ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, SettingsKeyPath().c_str(),
                             Wide(std::u16string(value)));
    }
}

// Ends a started program that is still running, and forgets its handles.
inline void EndProcess(PROCESS_INFORMATION& process) {
    if (!process.hProcess) {
        return;
    }
    if (::WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(process.hProcess, 1);
        ::WaitForSingleObject(process.hProcess, 5000);
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    process = {};
}

// Handles this thread's messages until `condition` holds or `milliseconds`
// passed; the final answer of `condition`.
template <typename Condition>
bool WaitUntil(Condition condition, int milliseconds = 10000) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (condition()) {
            return true;
        }
        Settle();
    }
    return condition();
}

// A real pointer move (SendInput) to a screen point, so that the window
// under it sees WM_MOUSEMOVE there.
inline void MoveTo(POINT p) {
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = static_cast<LONG>((p.x * 65535 + width / 2) / (width - 1));
    move.mi.dy = static_cast<LONG>((p.y * 65535 + height / 2) / (height - 1));
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &move, sizeof(INPUT));
}

// The first shown top-level window of `process` that `wanted` accepts, or
// null.
inline HWND ShownWindowOf(DWORD process, const std::function<bool(HWND)>& wanted) {
    struct Search {
        DWORD process;
        const std::function<bool(HWND)>& wanted;
        HWND found;
    } search{process, wanted, nullptr};
    ::EnumWindows(
        [](HWND hwnd, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(hwnd, &owner);
            if (owner == s->process && ::IsWindowVisible(hwnd) && s->wanted(hwnd)) {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The shown menu window of `level` (0 the top menu) of `process`, or null.
inline HWND ShownMenuWindow(DWORD process, std::size_t level) {
    return ShownWindowOf(process, [level](HWND hwnd) {
        wchar_t name[32]{};
        ::GetClassNameW(hwnd, name, 32);
        return std::wstring(name) == kMenuExWindowClass &&
               static_cast<std::size_t>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA)) == level;
    });
}

inline Rect ScreenRectOf(HWND hwnd) {
    RECT frame{};
    ::GetWindowRect(hwnd, &frame);
    return {frame.left, frame.top, frame.right, frame.bottom};
}

inline Rect WorkAreaAt(POINT p) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ::GetMonitorInfoW(::MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST), &info);
    return {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

// Chooses the item with `code` from the function menu that `main` (of
// `process`) has just opened, by real pointer input: the pointer rests on
// each heading on the way so that its sub-menu opens, then clicks the item.
// Every menu window must stand where the menu placement puts it, and every
// item is aimed at through the placement's item rectangles; the choice
// closes the whole menu.
inline void ChooseFromFunctionMenu(HWND main, DWORD process, std::uint32_t code) {
    FunctionMenuPath path(code);
    ASSERT_TRUE(path.found()) << code;
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menu = ShownMenuWindow(process, 0)) != nullptr; }, 5000));
    POINT anchor = kFunctionMenuClientPoint;
    ::ClientToScreen(main, &anchor);
    Rect frame = ScreenRectOf(menu);
    const MenuGeometry geometry =
        MenuGeometryOfWindow({frame.right - frame.left, frame.bottom - frame.top}, path.CountAt(0));
    Rect expected = PlaceMenu({anchor.x, anchor.y}, MenuWindowSize(geometry, path.CountAt(0)),
                              WorkAreaAt(anchor));
    for (std::size_t level = 0; level < path.depth(); ++level) {
        frame = ScreenRectOf(menu);
        EXPECT_EQ(frame, expected) << "menu of level " << level;
        const Rect item = MenuItemRect(geometry, path.PositionAt(level));
        const Rect onScreen{frame.left + item.left, frame.top + item.top, frame.left + item.right,
                            frame.top + item.bottom};
        const POINT centre{(onScreen.left + onScreen.right) / 2,
                           (onScreen.top + onScreen.bottom) / 2};
        if (level + 1 == path.depth()) {
            ClickAt(centre.x, centre.y);
            break;
        }
        // Resting on the heading opens its sub-menu beside it.
        MoveTo({centre.x - 3, centre.y});
        Settle();
        MoveTo(centre);
        ASSERT_TRUE(WaitUntil(
            [&] { return (menu = ShownMenuWindow(process, level + 1)) != nullptr; }, 5000))
            << "no sub-menu opened from the heading at level " << level;
        expected = PlaceSubMenu(onScreen, MenuWindowSize(geometry, path.CountAt(level + 1)),
                                WorkAreaAt({onScreen.right, onScreen.top}), geometry.border);
    }
    EXPECT_TRUE(WaitUntil([&] { return ShownMenuWindow(process, 0) == nullptr; }, 5000))
        << "the menu stayed open after the choice";
    Settle();
    ::Sleep(150);
}

}  // namespace q5::win::test

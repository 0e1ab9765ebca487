#include "TourDriver.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <string_view>
#include <utility>

#include "WinHookRecorder.h"
#include "app/win/CGesturePad.h"
#include "app/win/CQ5ConfigDlg.h"
#include "i18n/Unicode.h"
#include "model/ButtonSetting.h"
#include "model/SettingsStore.h"
#include "platform/TextFormat.h"
#include "platform/win/WinInput.h"
#include "ui/FunctionMenuPath.h"
#include "ui/MenuPlacement.h"
#include "ui/PngWriter.h"
#include "ui/SkinLayout.h"
#include "ui/win/MenuExExports.h"
#include "ui/win/WideText.h"
#include "ui/win/WinUiTestSupport.h"
#include "ui/win/WindowCapture.h"

namespace q5::tour {
namespace {

constexpr wchar_t kMainWindowTitle[] = L"Korvo Q5 Mouse Driver";
// The demo starts slowly under Wine the first time; every later step
// shows its effect within moments.
constexpr DWORD kStartLimitMs = 60000;
constexpr DWORD kStepLimitMs = 10000;
constexpr DWORD kToolLimitMs = 30000;
constexpr DWORD kPollMs = 20;
// A pause between input given to an editor and the next, so that the editor
// has started (or stopped) recording when the next arrives.
constexpr DWORD kInputPauseMs = 300;
// A screenshot waits for the picture to hold still this long, at most this
// long.
constexpr DWORD kSettlePauseMs = 150;
constexpr DWORD kSettleLimitMs = 3000;

// Waits, handling this thread's messages, until `done` holds or `limitMs`
// passed; the final answer of `done`.
bool WaitUntil(const std::function<bool()>& done, DWORD limitMs) {
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start >= limitMs) {
            return done();
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&msg);
        }
    }
    return true;
}

// Handles this thread's messages for `ms` milliseconds.
void Pause(DWORD ms) {
    WaitUntil([] { return false; }, ms);
}

std::vector<HWND> VisibleTopLevelWindows() {
    std::vector<HWND> windows;
    ::EnumWindows(
        [](HWND hwnd, LPARAM list) {
            if (::IsWindowVisible(hwnd)) {
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

DWORD ProcessOf(HWND hwnd) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(hwnd, &process);
    return process;
}

bool IsMenuWindow(HWND hwnd) {
    wchar_t name[64]{};
    return ::GetClassNameW(hwnd, name, 64) > 0 &&
           std::wstring_view(name) == win::kMenuExWindowClass;
}

// The rectangle of item `position` in the menu window `menu` of `count`
// items.
Rect ItemRectIn(HWND menu, std::size_t count, int position) {
    RECT client{};
    ::GetClientRect(menu, &client);
    return MenuItemRect(MenuGeometryOfWindow({client.right, client.bottom}, count), position);
}

RECT Union(const RECT& a, const RECT& b) {
    RECT both{};
    ::UnionRect(&both, &a, &b);
    return both;
}

// The action code of `slot` in the stored assignment, or -1 when nothing
// is stored yet.
int StoredCodeOfSlot(int slot) {
    ButtonSetting image{};
    DWORD size = sizeof image;
    const LSTATUS status =
        ::RegGetValueW(HKEY_LOCAL_MACHINE, win::Wide(std::u16string(kSettingsKey)),
                       win::Wide(std::u16string(kButtonSettingValue)), RRF_RT_REG_BINARY, nullptr,
                       image.data(), &size);
    if (status != ERROR_SUCCESS || size != sizeof image) {
        return -1;
    }
    return image.slot(slot).codeByte();
}

}  // namespace

bool TourDriver::Run() {
    for (const auto& step : TourSteps()) {
        std::printf("tour: %.*s\n", static_cast<int>(step.title.size()), step.title.data());
        std::fflush(stdout);
        if (!RunStep(step) || (!step.screenshot.empty() && !Screenshot(step.screenshot)) ||
            !CloseEditor() || !RestoreFirstPanelPage()) {
            CloseDemo();
            return false;
        }
    }
    CloseDemo();
    return true;
}

void TourDriver::CloseDemo() {
    if (m_options.closeDemo && m_main) {
        ::PostMessageW(m_main, WM_CLOSE, 0, 0);
    }
}

bool TourDriver::RunStep(const TourStepInfo& step) {
    switch (step.step) {
        case TourStep::ShowMainWindow:
            return ShowMainWindow();
        case TourStep::SelectSlot:
            return SelectSlot();
        case TourStep::OpenFunctionMenu:
            return OpenFunctionMenu();
        case TourStep::OpenSubMenu:
            return OpenSubMenu();
        case TourStep::ChooseFunction:
            return ChooseFunction();
        case TourStep::Apply:
            return Apply();
        case TourStep::OpenCombinationDialog:
            return OpenEditor(kTourCombinationItem, win::kComboDialogTitle);
        case TourStep::OpenMacroEditor:
            return OpenEditor(kTourMacroItem, win::kMacroEditorTitle);
        case TourStep::ShowSecondPanelPage:
            return ShowSecondPanelPage();
        case TourStep::FireGesture:
            return FireGesture();
    }
    return false;
}

bool TourDriver::ShowMainWindow() {
    const bool shown = WaitUntil(
        [this] {
            m_main = ::FindWindowW(nullptr, kMainWindowTitle);
            return m_main && ::IsWindowVisible(m_main);
        },
        kStartLimitMs);
    if (!shown) {
        return Fail("the demo's main window did not show");
    }
    ::SetForegroundWindow(m_main);
    return WaitUntil([this] { return ::GetForegroundWindow() == m_main; }, kStepLimitMs) ||
           Fail("the main window did not come to the front");
}

bool TourDriver::SelectSlot() {
    if (!ClickAt(m_main, SlotButtonPoint(kTourSlot))) {
        return false;
    }
    // A selected slot shows the function button.
    return WaitUntil([this] { return FindVisibleChildAt(skin::kMainFunctionButton) != nullptr; },
                     kStepLimitMs) ||
           Fail("selecting the slot did not show the function button");
}

bool TourDriver::OpenFunctionMenu() {
    const std::vector<HWND> before = VisibleTopLevelWindows();
    if (!ClickAt(m_main, FunctionButtonPoint())) {
        return false;
    }
    m_menu = NewMenuWindow(before);
    return m_menu || Fail("the function menu did not open");
}

// Pointing at a heading opens its sub-menu: a second menu window of the
// demo's.
bool TourDriver::OpenSubMenu() {
    const FunctionMenuPath path(static_cast<std::uint32_t>(kTourFunction));
    if (!MoveTo(m_menu, CenterOf(ItemRectIn(m_menu, path.CountAt(0), path.PositionAt(0))))) {
        return false;
    }
    m_subMenu = NewMenuWindow({m_menu});
    return m_subMenu || Fail("pointing at the heading did not open its sub-menu");
}

// The demo's menu window that shows up, other than those in `known`, or
// null when none does in time.
HWND TourDriver::NewMenuWindow(const std::vector<HWND>& known) const {
    const DWORD demo = ProcessOf(m_main);
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND hwnd : VisibleTopLevelWindows()) {
                if (ProcessOf(hwnd) == demo && IsMenuWindow(hwnd) &&
                    std::find(known.begin(), known.end(), hwnd) == known.end()) {
                    found = hwnd;
                    return true;
                }
            }
            return false;
        },
        kStepLimitMs);
    return found;
}

// A click on the function's item in the sub-menu chooses it and closes the
// whole menu.
bool TourDriver::ChooseFunction() {
    const FunctionMenuPath path(static_cast<std::uint32_t>(kTourFunction));
    if (!ClickAt(m_subMenu, CenterOf(ItemRectIn(m_subMenu, path.CountAt(1), path.PositionAt(1))))) {
        return false;
    }
    const bool closed =
        WaitUntil([this] { return !::IsWindowVisible(m_menu) && !::IsWindowVisible(m_subMenu); },
                  kStepLimitMs);
    m_menu = m_subMenu = nullptr;
    return closed || Fail("the function menu did not close after the choice");
}

bool TourDriver::Apply() {
    if (!ClickAt(m_main, ApplyButtonPoint())) {
        return false;
    }
    const int wanted = static_cast<int>(kTourFunction);
    return WaitUntil([] { return StoredCodeOfSlot(kTourSlot) == wanted; }, kStepLimitMs) ||
           Fail(StringPrintf("Apply did not store code %d for slot %d (stored: %d)", wanted,
                             kTourSlot, StoredCodeOfSlot(kTourSlot)));
}

// The editors open from items of the function menu's top level.
bool TourDriver::OpenEditor(ActionCode item, const wchar_t* title) {
    const FunctionMenuPath path(static_cast<std::uint32_t>(item));
    if (!OpenFunctionMenu() ||
        !ClickAt(m_menu, CenterOf(ItemRectIn(m_menu, path.CountAt(0), path.PositionAt(0))))) {
        return false;
    }
    m_menu = nullptr;
    const bool opened = WaitUntil(
        [&] {
            m_editor = ::FindWindowW(nullptr, title);
            return m_editor && ::IsWindowVisible(m_editor);
        },
        kStepLimitMs);
    if (!opened) {
        return Fail("the editor " + Utf16ToUtf8(win::FromWide(title)) + " did not open");
    }
    ::SetForegroundWindow(m_editor);
    ::Sleep(kInputPauseMs);
    return item == kTourCombinationItem ? CatchCombination() : RecordMacro();
}

// The key combination dialog catches Ctrl+Shift+S and shows it.
bool TourDriver::CatchCombination() {
    return ChangesArea(m_editor, skin::kComboKeysText,
                       [this] {
                           return PressKeys({VK_CONTROL, VK_SHIFT, 'S'});
                       }) ||
           Fail("the key combination dialog showed no keys");
}

// The macro editor gets a new macro and records two keys into it, and the
// click that stops the recording.
bool TourDriver::RecordMacro() {
    const auto record = [this] {
        if (!ClickAt(m_editor, CenterOf(skin::kMacroRecordButton))) {
            return false;
        }
        ::Sleep(kInputPauseMs);
        if (!PressKeys({'H'}) || !PressKeys({'I'})) {
            return false;
        }
        ::Sleep(kInputPauseMs);
        return ClickAt(m_editor, CenterOf(skin::kMacroRecordButton));
    };
    return (ChangesArea(m_editor, skin::kMacroNameList,
                        [this] { return ClickAt(m_editor, CenterOf(skin::kMacroNewButton)); }) ||
            Fail("New added no macro to the macro editor")) &&
           (ChangesArea(m_editor, skin::kMacroEventList, record) ||
            Fail("the macro editor recorded nothing"));
}

// Does `act`, then waits until the client area `area` of `window` shows
// something else.
bool TourDriver::ChangesArea(HWND window, const Rect& area, const std::function<bool()>& act) {
    const RgbImage before = CaptureArea(window, area);
    return act() && WaitUntil([&] { return CaptureArea(window, area).pixels != before.pixels; },
                              kStepLimitMs);
}

// The keys go down in order and come up in the reverse order, as a chord.
bool TourDriver::PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD vk : keys) {
        inputs.push_back(win::test::KeyInput(vk));
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        inputs.push_back(win::test::KeyInput(*key, KEYEVENTF_KEYUP));
    }
    const UINT count = static_cast<UINT>(inputs.size());
    return ::SendInput(count, inputs.data(), sizeof(INPUT)) == count ||
           Fail("SendInput refused the keys");
}

// Closing an editor is its Cancel: the slot keeps its function.
bool TourDriver::CloseEditor() {
    if (!m_editor) {
        return true;
    }
    HWND editor = std::exchange(m_editor, nullptr);
    ::PostMessageW(editor, WM_CLOSE, 0, 0);
    return WaitUntil([editor] { return !::IsWindow(editor) || !::IsWindowVisible(editor); },
                     kStepLimitMs) ||
           Fail("an editor did not close");
}

// The panel shows another page of pictures after a click on its next-page
// arrow, and the first again after one on the previous-page arrow.
bool TourDriver::ShowSecondPanelPage() {
    m_secondPageShown = ChangesArea(m_main, skin::kMainPanel,
                                    [this] { return ClickAt(m_main, NextPageButtonPoint()); });
    return m_secondPageShown || Fail("the next-page arrow did not change the panel");
}

bool TourDriver::RestoreFirstPanelPage() {
    if (!std::exchange(m_secondPageShown, false)) {
        return true;
    }
    return ChangesArea(m_main, skin::kMainPanel,
                       [this] { return ClickAt(m_main, PreviousPageButtonPoint()); }) ||
           Fail("the previous-page arrow did not change the panel");
}

RgbImage TourDriver::CaptureArea(HWND window, const Rect& client) {
    POINT topLeft{client.left, client.top};
    POINT bottomRight{client.right, client.bottom};
    ::ClientToScreen(window, &topLeft);
    ::ClientToScreen(window, &bottomRight);
    return win::CaptureScreen(RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y});
}

bool TourDriver::FireGesture() {
    if (!::FindWindowW(nullptr, win::CGesturePad::kWindowTitle)) {
        return Fail("the demo shows no Gesture Pad");
    }
    test::WinHookRecorder hook;
    if (!hook.installed()) {
        return Fail("could not install the low-level hooks");
    }
    std::wstring command = L"\"" + m_options.toolPath + L"\" gesture " +
                           win::Wide(Utf8ToUtf16(StringPrintf("0x%08x", TourGestureEvent())));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        return Fail("could not start q5tool");
    }
    DWORD status = 1;
    const bool ended = ::WaitForSingleObject(process.hProcess, kToolLimitMs) == WAIT_OBJECT_0;
    ::GetExitCodeProcess(process.hProcess, &status);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    if (!ended || status != 0) {
        return Fail(StringPrintf("q5tool gesture ended with status %lu", status));
    }
    hook.WaitFor(kTourExpectedInputEvents);
    const auto keys = hook.keys();
    const auto mice = hook.mice();
    std::printf("tour: gesture 0x%08x; input seen by a low-level hook:\n", TourGestureEvent());
    win::WinInput input;
    for (const auto& key : keys) {
        std::printf("  %s\n", DescribeHookedKey(input, key.vk, key.flags).c_str());
    }
    for (const auto& mouse : mice) {
        std::printf("  %s\n",
                    DescribeHookedMouse(static_cast<std::uint32_t>(mouse.message), mouse.mouseData)
                        .c_str());
    }
    std::fflush(stdout);
    return keys.size() + mice.size() == kTourExpectedInputEvents ||
           Fail(StringPrintf("expected %u input events after the gesture",
                             static_cast<unsigned>(kTourExpectedInputEvents)));
}

bool TourDriver::ClickAt(HWND window, Point client) {
    POINT point{client.x, client.y};
    ::ClientToScreen(window, &point);
    ::SetCursorPos(point.x, point.y);
    INPUT clicks[2]{};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    return ::SendInput(2, clicks, sizeof(INPUT)) == 2 || Fail("SendInput refused the click");
}

// A real move of the pointer onto `client`: placed just beside it, then
// moved one pixel by SendInput, so the window under it sees the move.
bool TourDriver::MoveTo(HWND window, Point client) {
    POINT point{client.x, client.y};
    ::ClientToScreen(window, &point);
    ::SetCursorPos(point.x - 1, point.y);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = 1;
    move.mi.dwFlags = MOUSEEVENTF_MOVE;
    return ::SendInput(1, &move, sizeof(INPUT)) == 1 || Fail("SendInput refused the move");
}

HWND TourDriver::FindVisibleChildAt(const Rect& clientRect) const {
    struct Search {
        HWND parent;
        Rect wanted;
        HWND found;
    } search{m_main, clientRect, nullptr};
    ::EnumChildWindows(
        m_main,
        [](HWND child, LPARAM data) {
            auto* s = reinterpret_cast<Search*>(data);
            RECT r{};
            ::GetWindowRect(child, &r);
            ::MapWindowPoints(nullptr, s->parent, reinterpret_cast<POINT*>(&r), 2);
            if (::IsWindowVisible(child) && r.left == s->wanted.left && r.top == s->wanted.top &&
                r.right == s->wanted.right && r.bottom == s->wanted.bottom) {
                s->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The main window with the pad and an open menu: one picture of the scene.
bool TourDriver::Screenshot(std::string_view name) {
    ::RedrawWindow(m_main, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT area{};
    ::GetWindowRect(m_main, &area);
    for (HWND other :
         {::FindWindowW(nullptr, win::CGesturePad::kWindowTitle), m_menu, m_subMenu, m_editor}) {
        if (other && ::IsWindowVisible(other)) {
            RECT r{};
            ::GetWindowRect(other, &r);
            area = Union(area, r);
        }
    }
    const std::wstring path = m_options.outputDir + L"\\" + win::Wide(Utf8ToUtf16(name));
    const std::string narrow = Utf16ToUtf8(win::FromWide(path.c_str()));
    if (!PngWriter::WriteFile(CaptureSettled(area), narrow)) {
        return Fail("could not write " + narrow);
    }
    std::printf("tour: wrote %s\n", narrow.c_str());
    return true;
}

// The screen area once its windows have finished painting: two captures a
// little apart that agree (a busy machine paints a window in pieces).
RgbImage TourDriver::CaptureSettled(const RECT& area) {
    RgbImage shot = win::CaptureScreen(area);
    for (DWORD waited = 0; waited < kSettleLimitMs; waited += kSettlePauseMs) {
        Pause(kSettlePauseMs);
        RgbImage again = win::CaptureScreen(area);
        if (again.pixels == shot.pixels) {
            break;
        }
        shot = std::move(again);
    }
    return shot;
}

bool TourDriver::Fail(const std::string& why) {
    std::fprintf(stderr, "q5tour: %s\n", why.c_str());
    return false;
}

}  // namespace q5::tour

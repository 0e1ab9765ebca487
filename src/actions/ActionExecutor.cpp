#include "actions/ActionExecutor.h"

#include <array>

#include "actions/InputSequences.h"
#include "platform/VirtualKeys.h"

namespace q5 {
namespace {

using enum ActionCode;

constexpr OsRelease kWindows7 = 6;

struct MouseStep {
    std::uint32_t flags;
    std::int32_t data;
};

struct MouseAction {
    ActionCode code;
    std::array<MouseStep, 4> steps;
    std::size_t count;
};

constexpr MouseAction kMouseActions[] = {
    {LeftClick, {{{kMouseEventLeftDown, 0}, {kMouseEventLeftUp, 0}}}, 2},
    {RightClick, {{{kMouseEventRightDown, 0}, {kMouseEventRightUp, 0}}}, 2},
    {MiddleClick, {{{kMouseEventMiddleDown, 0}, {kMouseEventMiddleUp, 0}}}, 2},
    {Forward, {{{kMouseEventXDown, kXButton2}, {kMouseEventXUp, kXButton2}}}, 2},
    {Back, {{{kMouseEventXDown, kXButton1}, {kMouseEventXUp, kXButton1}}}, 2},
    {ScrollUp, {{{kMouseEventWheel, kWheelDelta}}}, 1},
    {ScrollDown, {{{kMouseEventWheel, -kWheelDelta}}}, 1},
    {DoubleClick,
     {{{kMouseEventLeftDown, 0},
       {kMouseEventLeftUp, 0},
       {kMouseEventLeftDown, 0},
       {kMouseEventLeftUp, 0}}},
     4},
};

struct KeyAction {
    ActionCode code;
    std::array<std::uint8_t, 3> keys;
    std::size_t count;
};

// Chords press the keys in order and release them in reverse; a single key is
// a tap.
constexpr KeyAction kKeyActions[] = {
    {Cut, {vk::kControl, vk::Letter('X')}, 2},
    {Copy, {vk::kControl, vk::Letter('C')}, 2},
    {Paste, {vk::kControl, vk::Letter('V')}, 2},
    {SelectAll, {vk::kControl, vk::Letter('A')}, 2},
    {New, {vk::kControl, vk::Letter('N')}, 2},
    {Print, {vk::kControl, vk::Letter('P')}, 2},
    {Save, {vk::kControl, vk::Letter('S')}, 2},
    {Delete, {vk::kDelete}, 1},
    {CloseWindow, {vk::kLMenu, vk::kF4}, 2},
    {FileExplorer, {vk::kLWin, vk::Letter('E')}, 2},
    {RunDialog, {vk::kLWin, vk::Letter('R')}, 2},
    {ShowDesktop, {vk::kLWin, vk::Letter('D')}, 2},
    {Search, {vk::kControl, vk::Letter('F')}, 2},
    {Mute, {vk::kVolumeMute}, 1},
    {VolumeUp, {vk::kVolumeUp}, 1},
    {VolumeDown, {vk::kVolumeDown}, 1},
};

template <typename Table>
const auto* FindRow(const Table& table, ActionCode code) {
    for (const auto& row : table) {
        if (row.code == code) {
            return &row;
        }
    }
    return static_cast<decltype(&table[0])>(nullptr);
}

}  // namespace

void ActionExecutor::ExecuteAction(const ActionRecord& record) {
    const ActionCode code = record.code();
    if (PerformInput(code) || PerformKeyChord(code) || PerformWindows8(code)) {
        return;
    }
    if (PerformDelegated(record)) {
        return;
    }
    PerformSocial(code);
}

bool ActionExecutor::PerformInput(ActionCode code) {
    const auto* action = FindRow(kMouseActions, code);
    if (!action) {
        return false;
    }
    for (std::size_t i = 0; i < action->count; ++i) {
        SendMouse(platform_.input, action->steps[i].flags, action->steps[i].data);
    }
    return true;
}

bool ActionExecutor::PerformKeyChord(ActionCode code) {
    const auto* action = FindRow(kKeyActions, code);
    if (!action) {
        return false;
    }
    PressChord(platform_.input, std::span(action->keys.data(), action->count));
    return true;
}

// The functions whose effect depends on the Windows release.
bool ActionExecutor::PerformWindows8(ActionCode code) {
    Input& input = platform_.input;
    switch (code) {
        case Flip3D: {
            const OsRelease release = Release();
            if (release == 5 || release == 6) {
                PressChord(input, {vk::kControl, vk::kLWin, vk::kTab});
            } else if (release < 5) {
                PlayWindowSwitcher(platform_, release);
            }
            return true;
        }
        case SwitchWindow:
            PlayWindowSwitcher(platform_, Release());
            return true;
        case Win8StartScreen:
            if (Release() > kWindows7) {
                TapKey(input, vk::kLWin);
            }
            return true;
        case Win8AllApps:
            if (Release() > kWindows7) {
                PressChord(input, {vk::kLWin, vk::Letter('Q')});
            }
            return true;
        case Win8Charms:
            if (Release() > kWindows7) {
                PressChord(input, {vk::kLWin, vk::Letter('C')});
            }
            return true;
        case Win8ZoomIn:
            if (Release() < kWindows7) {
                with_.scroll.ZoomIn();
            } else {
                PressChord(input, {vk::kLWin, vk::kAdd});
            }
            return true;
        case Win8ZoomOut:
            if (Release() < kWindows7) {
                with_.scroll.ZoomOut();
            } else {
                PressChord(input, {vk::kLWin, vk::kSubtract});
            }
            return true;
        case Win8Switch:
        case Win8F23: {
            if (Release() < kWindows7) {
                with_.scroll.ZoomOut();
            } else {
                const std::uint8_t last = code == Win8Switch ? vk::kBack : vk::kF23;
                PressChord(input, {vk::kLControl, vk::kLWin, last});
            }
            return true;
        }
        default:
            return false;
    }
}

bool ActionExecutor::PerformDelegated(const ActionRecord& record) {
    switch (record.code()) {
        case ScrollLeft:
            with_.scroll.ScrollHorizontally(3);
            return true;
        case ScrollRight:
            with_.scroll.ScrollHorizontally(-3);
            return true;
        case ZoomIn:
            with_.scroll.ZoomIn();
            return true;
        case ZoomOut:
            with_.scroll.ZoomOut();
            return true;
        case CombinationKeys:
            with_.combination.PlayCombination(record.combination());
            return true;
        case Macro:
            with_.macro.PlayMacro(record.macroNumber());
            return true;
        case RunProgram:
            with_.system.OpenWithShell(record.path());
            return true;
        case OpenWord:
            with_.system.OpenWithShell(u"Winword");
            return true;
        case OpenExcel:
            with_.system.OpenWithShell(u"excel");
            return true;
        case OpenPowerPoint:
            with_.system.OpenWithShell(u"POWERPNT");
            return true;
        case LockWorkstation:
            with_.system.LockWorkstationAction();
            return true;
        case RestoreWindow:
            if (with_.system.HasRememberedWindow()) {
                with_.system.RestoreRememberedWindow();
            }
            return true;
        case MinimiseWindow:
            if (!with_.system.HasRememberedWindow()) {
                with_.system.MinimiseForegroundWindow();
            }
            return true;
        case PlayPause:
            with_.media.MediaPlayPause();
            return true;
        case PreviousTrack:
            with_.media.MediaPrevious();
            return true;
        case NextTrack:
            with_.media.MediaNext();
            return true;
        case Stop:
            with_.media.MediaStop();
            return true;
        default:
            return false;
    }
}

bool ActionExecutor::PerformSocial(ActionCode code) {
    switch (code) {
        case SocialHome:
        case SocialMessages:
        case SocialNotes:
        case SocialMessagesAgain:
        case SocialEvents:
        case SocialMessageMedia:
        case SocialMedia:
            with_.social.OpenSocialPage(code);
            return true;
        default:
            break;
    }
    const std::string_view entry = SocialEntryOfCode(code);
    if (entry.empty()) {
        return false;
    }
    with_.social.CallSocialEntry(entry);
    return true;
}

}  // namespace q5

/*
 * The scripted tour of the demo, as a program drives it on a display that
 * nobody watches: show the main window, select a gesture slot by clicking
 * its button, open the function menu, point at a heading so that its
 * sub-menu opens, click a function in it, apply, open and close the
 * key-combination dialog and the macro editor, show the panel's second page
 * and go back, then fire the slot's gesture through the Gesture Pad and
 * report the input that the program synthesised for it, as a low-level hook
 * sees it.
 *
 * What the tour does, where it clicks and how it words what it saw are
 * decided here; tools/q5tour carries it out with real input.
 */
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/ActionCode.h"
#include "platform/Input.h"
#include "platform/PlatformTypes.h"

namespace q5 {

// The tour assigns copy (basic functions) to the two-fingers-up gesture:
// firing it then presses Ctrl+C, which a hook sees as four key events.
inline constexpr int kTourSlot = 9;
inline constexpr ActionCode kTourFunction = ActionCode::Copy;
inline constexpr ActionCode kTourMenuHeading = ActionCode::BasicHeading;
inline constexpr std::size_t kTourExpectedInputEvents = 4;
// The two menu items that open an editor for the selected slot; the tour
// shows each editor and closes it again, which keeps the slot's function.
inline constexpr ActionCode kTourCombinationItem = ActionCode::CombinationKeys;
inline constexpr ActionCode kTourMacroItem = ActionCode::Macro;

enum class TourStep {
    ShowMainWindow,
    SelectSlot,
    OpenFunctionMenu,
    OpenSubMenu,
    ChooseFunction,
    Apply,
    OpenCombinationDialog,
    OpenMacroEditor,
    ShowSecondPanelPage,
    FireGesture,
};

struct TourStepInfo {
    TourStep step;
    std::string_view title;       // printed as the step starts
    std::string_view screenshot;  // file written when the step is done; empty for none
};

const std::vector<TourStepInfo>& TourSteps();

// Where a click on a control lands: the middle of its rectangle.
Point CenterOf(const Rect& rect);
// The client point of the tour slot's button, of the function button and
// of Apply, from the main window's layout.
Point SlotButtonPoint(int slot);
Point FunctionButtonPoint();
Point ApplyButtonPoint();

// The panel's page buttons: next page, then back to the first.
Point NextPageButtonPoint();
Point PreviousPageButtonPoint();

// The driver event that the tour fires for its slot.
std::uint32_t TourGestureEvent();

// One line per hooked event: "key 0x11 Ctrl down", "key 0x43 C up injected",
// "mouse 0x020a data 0x00780000" (the message and the hook's mouse data).
// `flags` are the low-level hook's LLKHF_ bits; keys are named as the
// program names them, through `input`'s keyboard layout.
std::string DescribeHookedKey(Input& input, std::uint32_t vk, std::uint32_t flags);
std::string DescribeHookedMouse(std::uint32_t message, std::uint32_t mouseData);

}  // namespace q5

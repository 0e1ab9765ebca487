#include "app/DemoTour.h"

#include "editors/KeyNames.h"
#include "i18n/Unicode.h"
#include "model/GestureDispatcher.h"
#include "platform/TextFormat.h"
#include "ui/SkinLayout.h"

namespace q5 {
namespace {

// Low-level keyboard hook flags.
constexpr std::uint32_t kHookExtended = 0x01;
constexpr std::uint32_t kHookInjected = 0x10;
constexpr std::uint32_t kHookUp = 0x80;

}  // namespace

const std::vector<TourStepInfo>& TourSteps() {
    static const std::vector<TourStepInfo> steps = {
        {TourStep::ShowMainWindow, "the main window", "1-main-window.png"},
        {TourStep::SelectSlot, "select the gesture \"two fingers up\"", "2-slot-selected.png"},
        {TourStep::OpenFunctionMenu, "open the function menu", "3-function-menu.png"},
        {TourStep::OpenSubMenu, "point at basic functions", "4-function-submenu.png"},
        {TourStep::ChooseFunction, "choose basic functions > copy", "5-function-chosen.png"},
        {TourStep::Apply, "apply", "6-applied.png"},
        {TourStep::OpenCombinationDialog, "open the key combination dialog",
         "7-combination-dialog.png"},
        {TourStep::OpenMacroEditor, "open the macro editor", "8-macro-editor.png"},
        {TourStep::ShowSecondPanelPage, "show the panel's second page", "9-panel-page-2.png"},
        {TourStep::FireGesture, "fire the gesture with q5tool gesture", ""},
    };
    return steps;
}

Point CenterOf(const Rect& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

Point SlotButtonPoint(int slot) {
    return CenterOf(skin::kMainSlotButtons.at(static_cast<std::size_t>(slot)));
}

Point FunctionButtonPoint() {
    return CenterOf(skin::kMainFunctionButton);
}

Point ApplyButtonPoint() {
    return CenterOf(skin::kMainApplyButton);
}

Point NextPageButtonPoint() {
    return CenterOf(skin::kMainPageRightButton);
}

Point PreviousPageButtonPoint() {
    return CenterOf(skin::kMainPageLeftButton);
}

std::uint32_t TourGestureEvent() {
    return *EventOfSlot(kTourSlot);
}

std::string DescribeHookedKey(Input& input, std::uint32_t vk, std::uint32_t flags) {
    const std::string name = Utf16ToUtf8(KeyName(input, static_cast<std::uint8_t>(vk)));
    return StringPrintf("key 0x%02x %s%s%s%s%s", vk, name.c_str(), name.empty() ? "" : " ",
                        (flags & kHookUp) ? "up" : "down",
                        (flags & kHookExtended) ? " extended" : "",
                        (flags & kHookInjected) ? " injected" : "");
}

std::string DescribeHookedMouse(std::uint32_t message, std::uint32_t mouseData) {
    return StringPrintf("mouse 0x%04x data 0x%08x", message, mouseData);
}

}  // namespace q5

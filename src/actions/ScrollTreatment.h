/*
 * How the horizontal scroll treats the window under the cursor, chosen from
 * its class name (exact, case-sensitive comparison of the whole name).
 */
#pragma once

#include <string_view>

namespace q5 {

enum class ScrollTreatment {
    kParentMessages,  // WM_HSCROLL to the parent of the scroll bar found
    kArrowClick,      // clicks on the arrow of the scroll bar found
    kBrowserKeys,     // arrow keys posted to the browser's content window
    kGeneric,         // the document's script, or a plain WM_HSCROLL
};

ScrollTreatment ChooseScrollTreatment(std::u16string_view className);

}  // namespace q5

/*
 * Where every skinned control sits. The artwork generator (ui/art) reads
 * these rectangles from this file to draw the button shapes into the face
 * pictures, and the windows place their controls at the same rectangles, so
 * a button always shows the part of the picture drawn for it.
 *
 * Rectangles are left, top, right, bottom in the client coordinates of the
 * window named by the group; sizes are width, height in pixels. Keep every
 * entry on the pattern `Rect kName{l, t, r, b};` or a brace list of such
 * quadruples: the generator parses them.
 */
#pragma once

#include <array>

#include "platform/PlatformTypes.h"

namespace q5::skin {

struct Size {
    int width = 0;
    int height = 0;
};

// Information dialog: the skinned message box.
inline constexpr Size kInfoFaceSize{304, 154};
inline constexpr Rect kInfoCloseButton{278, 6, 293, 20};
inline constexpr Rect kInfoOkButton{196, 121, 241, 141};
inline constexpr Rect kInfoCancelButton{243, 121, 302, 141};
inline constexpr Rect kInfoMessageText{90, 73, 305, 91};
inline constexpr Rect kInfoTitleText{10, 5, 200, 18};
inline constexpr Rect kInfoTitleStrip{0, 0, 304, 26};
inline constexpr Rect kInfoWarningSign{24, 58, 72, 102};

// Main window.
inline constexpr Size kMainSkinSize{678, 469};
inline constexpr Rect kMainTitleStrip{0, 0, 678, 36};
inline constexpr Rect kMainMinimiseButton{611, 3, 637, 24};
inline constexpr Rect kMainCloseButton{638, 3, 664, 33};
inline constexpr Rect kMainApplyButton{600, 435, 660, 462};
inline constexpr Rect kMainResetButton{480, 435, 595, 462};
inline constexpr Rect kMainPageLeftButton{20, 320, 33, 370};
inline constexpr Rect kMainPageRightButton{642, 320, 658, 370};
inline constexpr Rect kMainFunctionButton{48, 136, 168, 159};
inline constexpr Rect kMainRestoreButton{174, 136, 263, 159};
inline constexpr Rect kMainMousePicture{21, 65, 287, 255};
inline constexpr Rect kMainPanel{37, 262, 642, 431};
inline constexpr std::array<Rect, 13> kMainSlotButtons{{
    {319, 84, 423, 107},
    {430, 84, 534, 107},
    {541, 84, 645, 107},
    {319, 114, 423, 137},
    {430, 114, 534, 137},
    {541, 114, 645, 137},
    {319, 144, 423, 167},
    {430, 144, 534, 167},
    {541, 144, 645, 167},
    {319, 174, 423, 197},
    {430, 174, 534, 197},
    {541, 174, 645, 197},
    {318, 205, 422, 227},
}};

// The mouse picture of the main window.
inline constexpr Size kMousePictureSize{266, 190};

// Combination-key dialog.
inline constexpr Size kComboFaceSize{304, 154};
inline constexpr Rect kComboOkButton{192, 121, 239, 139};
inline constexpr Rect kComboCancelButton{240, 121, 292, 139};
inline constexpr Rect kComboCloseButton{278, 1, 298, 20};
inline constexpr Rect kComboKeysText{23, 68, 278, 91};

// Macro editor.
inline constexpr Size kMacroFaceSize{360, 200};
inline constexpr Rect kMacroOkButton{257, 177, 306, 196};
inline constexpr Rect kMacroCancelButton{307, 177, 357, 196};
inline constexpr Rect kMacroCloseButton{329, 0, 355, 30};
inline constexpr Rect kMacroNewButton{20, 149, 64, 165};
inline constexpr Rect kMacroDeleteButton{66, 149, 109, 166};
inline constexpr Rect kMacroRecordButton{242, 102, 342, 119};
inline constexpr Rect kMacroLoopBox{241, 57, 254, 70};
inline constexpr Rect kMacroDelayBox{241, 80, 254, 93};
inline constexpr Rect kMacroNameList{21, 58, 109, 147};
inline constexpr Rect kMacroEventList{117, 58, 230, 165};

// Gesture picture panel: picture strips and the places of the hands.
inline constexpr Size kPanelStripSize{602, 172};
inline constexpr Rect kPanelMarkText{5, 10, 205, 30};
inline constexpr std::array<Rect, 13> kPanelPictureButtons{{
    {4, 38, 87, 147},
    {88, 38, 172, 147},
    {173, 38, 257, 147},
    {258, 38, 342, 147},
    {343, 38, 428, 147},
    {429, 38, 513, 147},
    {514, 38, 599, 147},
    {4, 38, 87, 149},
    {88, 38, 172, 149},
    {173, 38, 257, 149},
    {258, 38, 342, 149},
    {343, 38, 428, 149},
    {429, 38, 513, 149},
}};
inline constexpr std::array<Rect, 13> kPanelLabelButtons{{
    {4, 149, 87, 169},
    {88, 149, 172, 169},
    {173, 149, 257, 169},
    {258, 149, 342, 169},
    {343, 149, 428, 169},
    {429, 149, 513, 169},
    {514, 149, 599, 169},
    {4, 149, 87, 169},
    {88, 149, 172, 169},
    {173, 149, 257, 169},
    {258, 149, 342, 169},
    {343, 149, 428, 169},
    {429, 149, 513, 169},
}};

}  // namespace q5::skin

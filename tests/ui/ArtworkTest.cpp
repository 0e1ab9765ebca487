#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ui/SkinLayout.h"

namespace q5 {
namespace {

std::vector<std::uint8_t> ReadFile(const std::string& name) {
    std::ifstream file(std::string(Q5_ARTWORK_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t Le16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// A 24-bit bottom-up BMP as the resource compiler takes it.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;

    std::uint32_t at(int x, int y) const {
        const std::size_t row = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
        const std::size_t p = Le32(bytes, 10) + row * static_cast<std::size_t>(height - 1 - y) +
                              3 * static_cast<std::size_t>(x);
        return static_cast<std::uint32_t>(bytes[p + 2] << 16 | bytes[p + 1] << 8 | bytes[p]);
    }
};

Picture Bitmap(int id) {
    Picture picture;
    picture.bytes = ReadFile("bitmap" + std::to_string(id) + ".bmp");
    if (picture.bytes.size() < 54 || picture.bytes[0] != 'B' || picture.bytes[1] != 'M') {
        ADD_FAILURE() << "bitmap " << id << " missing or not a BMP";
        return picture;
    }
    EXPECT_EQ(24, Le16(picture.bytes, 28)) << "bitmap " << id;
    picture.width = static_cast<int>(Le32(picture.bytes, 18));
    picture.height = static_cast<int>(Le32(picture.bytes, 22));
    return picture;
}

bool Inside(int x, int y, const Rect& r) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// Outside the button rectangles the state pictures are the same picture;
// inside each one they differ, so every button changes its look.
void ExpectButtonsOnlyAt(int normalId, int otherId, const std::vector<Rect>& buttons) {
    const Picture normal = Bitmap(normalId);
    const Picture other = Bitmap(otherId);
    ASSERT_EQ(normal.width, other.width);
    ASSERT_EQ(normal.height, other.height);
    std::vector<int> changed(buttons.size(), 0);
    int strayPixels = 0;
    for (int y = 0; y < normal.height; ++y) {
        for (int x = 0; x < normal.width; ++x) {
            const bool differs = normal.at(x, y) != other.at(x, y);
            bool inButton = false;
            for (std::size_t i = 0; i < buttons.size(); ++i) {
                if (Inside(x, y, buttons[i])) {
                    inButton = true;
                    changed[i] += differs;
                }
            }
            strayPixels += differs && !inButton;
        }
    }
    EXPECT_EQ(0, strayPixels) << normalId << " vs " << otherId;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_GT(changed[i], 0) << "button " << i << " of " << otherId;
    }
}

TEST(Artwork, FacesHaveTheirWindowsSizes) {
    for (int id : {161, 162, 163}) {
        EXPECT_EQ(skin::kInfoFaceSize.width, Bitmap(id).width);
        EXPECT_EQ(skin::kInfoFaceSize.height, Bitmap(id).height);
    }
    for (int id : {127, 129, 130}) {
        EXPECT_EQ(skin::kMainSkinSize.width, Bitmap(id).width);
        EXPECT_EQ(skin::kMainSkinSize.height, Bitmap(id).height);
    }
    for (int id : {158, 159, 160}) {
        EXPECT_EQ(skin::kComboFaceSize.width, Bitmap(id).width);
    }
    for (int id : {155, 156, 157}) {
        EXPECT_EQ(skin::kMacroFaceSize.height, Bitmap(id).height);
    }
    EXPECT_EQ(skin::kMousePictureSize.width, Bitmap(151).width);
    EXPECT_EQ(skin::kMousePictureSize.height, Bitmap(151).height);
}

TEST(Artwork, InformationDialogButtonsSitAtTheirRectangles) {
    const std::vector<Rect> buttons = {skin::kInfoOkButton, skin::kInfoCancelButton,
                                       skin::kInfoCloseButton};
    ExpectButtonsOnlyAt(163, 161, buttons);
    ExpectButtonsOnlyAt(163, 162, buttons);
    ExpectButtonsOnlyAt(161, 162, buttons);
}

TEST(Artwork, MainWindowButtonsSitAtTheirRectangles) {
    std::vector<Rect> buttons = {skin::kMainMinimiseButton, skin::kMainCloseButton,
                                 skin::kMainApplyButton,    skin::kMainResetButton,
                                 skin::kMainPageLeftButton, skin::kMainPageRightButton,
                                 skin::kMainFunctionButton, skin::kMainRestoreButton};
    buttons.insert(buttons.end(), skin::kMainSlotButtons.begin(), skin::kMainSlotButtons.end());
    ExpectButtonsOnlyAt(127, 129, buttons);
    ExpectButtonsOnlyAt(127, 130, buttons);
}

TEST(Artwork, EditorButtonsSitAtTheirRectangles) {
    const std::vector<Rect> combo = {skin::kComboOkButton, skin::kComboCancelButton,
                                     skin::kComboCloseButton};
    ExpectButtonsOnlyAt(160, 158, combo);
    ExpectButtonsOnlyAt(160, 159, combo);
    const std::vector<Rect> macro = {skin::kMacroOkButton,     skin::kMacroCancelButton,
                                     skin::kMacroCloseButton,  skin::kMacroNewButton,
                                     skin::kMacroDeleteButton, skin::kMacroRecordButton,
                                     skin::kMacroLoopBox,      skin::kMacroDelayBox};
    ExpectButtonsOnlyAt(157, 155, macro);
    ExpectButtonsOnlyAt(157, 156, macro);
}

TEST(Artwork, GesturePicturesSitAtThePanelButtons) {
    const std::vector<Rect> page0(skin::kPanelPictureButtons.begin(),
                                  skin::kPanelPictureButtons.begin() + 7);
    const std::vector<Rect> page1(skin::kPanelPictureButtons.begin() + 7,
                                  skin::kPanelPictureButtons.end());
    for (int id : {132, 133, 134, 135, 136, 137, 138, 139}) {
        EXPECT_EQ(skin::kPanelStripSize.width, Bitmap(id).width) << id;
        EXPECT_EQ(skin::kPanelStripSize.height, Bitmap(id).height) << id;
    }
    // Plain against marked, framed and faded pictures.
    for (int id : {137, 133, 139}) {
        ExpectButtonsOnlyAt(136, id, page0);
    }
    for (int id : {138, 134, 132}) {
        ExpectButtonsOnlyAt(135, id, page1);
    }
    ExpectButtonsOnlyAt(137, 133, page0);
    EXPECT_EQ(skin::kMainPanel.right - skin::kMainPanel.left, Bitmap(150).width);
}

TEST(Artwork, IconsHoldTheirSizes) {
    const std::vector<std::uint8_t> app = ReadFile("icon128.ico");
    ASSERT_GE(app.size(), 6u + 3 * 16);
    EXPECT_EQ(1, Le16(app, 2));
    ASSERT_EQ(3, Le16(app, 4));
    EXPECT_EQ(16, app[6]);
    EXPECT_EQ(32, app[6 + 16]);
    EXPECT_EQ(48, app[6 + 32]);
    for (int id : {142, 143, 144, 145, 146}) {
        const std::vector<std::uint8_t> icon = ReadFile("icon" + std::to_string(id) + ".ico");
        ASSERT_GE(icon.size(), 22u) << id;
        EXPECT_EQ(1, Le16(icon, 4)) << id;
        EXPECT_EQ(16, icon[6]) << id;
        EXPECT_EQ(32, Le16(icon, 12)) << id;
        EXPECT_EQ(icon.size(), 22u + Le32(icon, 14)) << id;
    }
}

TEST(Artwork, SkinFilesBesideTheProgram) {
    for (const char* name : {"MenuNor", "MenuOver", "MenuDown", "MenuNorHaveSub", "MenuOverHaveSub",
                             "MenuDownHaveSub"}) {
        const std::vector<std::uint8_t> bmp = ReadFile(std::string("skins/Menu/") + name + ".BMP");
        ASSERT_GE(bmp.size(), 54u) << name;
        EXPECT_EQ('B', bmp[0]) << name;
    }
    for (const char* name :
         {"up_normal", "up_select", "down_normal", "down_select", "delay_normal", "delay_select"}) {
        const std::vector<std::uint8_t> png = ReadFile(std::string("skins/macro/") + name + ".png");
        ASSERT_GE(png.size(), 24u) << name;
        EXPECT_EQ(0x89, png[0]) << name;
        EXPECT_EQ(16u, Le32({png[19], png[18], png[17], png[16]}, 0)) << name;
    }
}

}  // namespace
}  // namespace q5

#include <gtest/gtest.h>

#include <set>

#include "ui/GesturePanelLayout.h"
#include "ui/ResourceIds.h"

namespace q5 {
namespace {

TEST(GesturePanelLayout, PageZeroPicturesTakePlainMarksFramedAndFaded) {
    const PanelSlotLayout slot = PanelSlotLayoutOf(3);
    EXPECT_EQ((Rect{258, 38, 342, 147}), slot.picture);
    EXPECT_EQ((Rect{258, 149, 342, 169}), slot.label);
    EXPECT_EQ((StateImageIds{136, 137, 133, 139}), slot.pictureImages);
    EXPECT_EQ((StateImageIds{139, 137, 133, 139}), slot.fadedImages);
    EXPECT_EQ((StateImageIds{139, 139, 139, 139}), slot.labelImages);
    EXPECT_EQ("tc_singlescrollup", slot.labelKey);
}

TEST(GesturePanelLayout, PageOnePicturesAreTwoPixelsTallerAndTakeTheirStrips) {
    const PanelSlotLayout slot = PanelSlotLayoutOf(7);
    EXPECT_EQ((Rect{4, 38, 87, 149}), slot.picture);
    EXPECT_EQ((Rect{4, 149, 87, 169}), slot.label);
    EXPECT_EQ((StateImageIds{135, 138, 134, 139}), slot.pictureImages);
    EXPECT_EQ((StateImageIds{132, 138, 134, 132}), slot.fadedImages);
    EXPECT_EQ((StateImageIds{139, 139, 139, 139}), slot.labelImages);
    EXPECT_EQ("tc_singleedgescrollright", slot.labelKey);
}

TEST(GesturePanelLayout, EverySlotOfAPageSharesItsImagesAndSitsBesideItsNeighbour) {
    for (int slot = 0; slot < 13; ++slot) {
        const PanelSlotLayout layout = PanelSlotLayoutOf(slot);
        const PanelSlotLayout first = PanelSlotLayoutOf(slot < 7 ? 0 : 7);
        EXPECT_EQ(first.pictureImages, layout.pictureImages) << slot;
        EXPECT_EQ(first.fadedImages, layout.fadedImages) << slot;
        EXPECT_EQ(layout.picture.left, layout.label.left) << slot;
        EXPECT_EQ(layout.picture.right, layout.label.right) << slot;
        EXPECT_EQ(slot < 7 ? 147 : 149, layout.picture.bottom) << slot;
        if (slot != 0 && slot != 7) {
            EXPECT_EQ(PanelSlotLayoutOf(slot - 1).picture.right + 1, layout.picture.left) << slot;
        }
    }
    EXPECT_EQ("tc_singleleftclk", PanelSlotLayoutOf(0).labelKey);
    EXPECT_EQ("tc_dblscrollright", PanelSlotLayoutOf(12).labelKey);
    EXPECT_EQ((Rect{514, 38, 599, 147}), PanelSlotLayoutOf(6).picture);
    EXPECT_EQ((Rect{429, 149, 513, 169}), PanelSlotLayoutOf(12).label);
}

TEST(GesturePanelLayout, NineDistinctBitmapsAreLoaded) {
    const std::set<int> ids(kPanelBitmapIds.begin(), kPanelBitmapIds.end());
    EXPECT_EQ((std::set<int>{132, 133, 134, 135, 136, 137, 138, 139, 150}), ids);
}

}  // namespace
}  // namespace q5

#include "ui/GesturePanelLayout.h"

#include "model/GestureSlots.h"
#include "ui/ResourceIds.h"
#include "ui/SkinLayout.h"

namespace q5 {
namespace {

struct PageImages {
    StateImageIds picture;
    StateImageIds faded;
};

// Pictures rest plain, show the gesture marks under the pointer and the
// marks with an orange frame when pressed or latched; the faded strip of
// page 0 also serves as every picture's disabled image and as the label
// buttons' face.
constexpr std::array<PageImages, 2> kPageImages{{
    {{Q5_IDB_PAGE0_PLAIN, Q5_IDB_PAGE0_MARKS, Q5_IDB_PAGE0_FRAMED, Q5_IDB_PAGE0_FADED},
     {Q5_IDB_PAGE0_FADED, Q5_IDB_PAGE0_MARKS, Q5_IDB_PAGE0_FRAMED, Q5_IDB_PAGE0_FADED}},
    {{Q5_IDB_PAGE1_PLAIN, Q5_IDB_PAGE1_MARKS, Q5_IDB_PAGE1_FRAMED, Q5_IDB_PAGE0_FADED},
     {Q5_IDB_PAGE1_FADED, Q5_IDB_PAGE1_MARKS, Q5_IDB_PAGE1_FRAMED, Q5_IDB_PAGE1_FADED}},
}};

constexpr StateImageIds kLabelImages{Q5_IDB_PAGE0_FADED, Q5_IDB_PAGE0_FADED, Q5_IDB_PAGE0_FADED,
                                     Q5_IDB_PAGE0_FADED};

}  // namespace

const std::array<int, 9> kPanelBitmapIds{
    Q5_IDB_PAGE0_PLAIN,  Q5_IDB_PAGE0_MARKS, Q5_IDB_PAGE0_FRAMED,
    Q5_IDB_PAGE0_FADED,  Q5_IDB_PAGE1_PLAIN, Q5_IDB_PAGE1_MARKS,
    Q5_IDB_PAGE1_FRAMED, Q5_IDB_PAGE1_FADED, Q5_IDB_PANEL_BACKGROUND,
};

PanelSlotLayout PanelSlotLayoutOf(int slot) {
    const auto index = static_cast<std::size_t>(slot);
    const PageImages& page = kPageImages[static_cast<std::size_t>(PageOfSlot(slot))];
    PanelSlotLayout layout;
    layout.picture = skin::kPanelPictureButtons.at(index);
    layout.label = skin::kPanelLabelButtons.at(index);
    layout.pictureImages = page.picture;
    layout.fadedImages = page.faded;
    layout.labelImages = kLabelImages;
    layout.labelKey = GestureLabelKey(slot);
    return layout;
}

}  // namespace q5

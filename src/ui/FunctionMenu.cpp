#include "ui/FunctionMenu.h"

#include <span>

#include "model/ByteImage.h"

namespace q5 {
namespace {

struct FunctionMenuEntry {
    std::uint8_t code;
    std::uint8_t parent;
    const char* label;
};

constexpr std::uint8_t kTop = MenuItemRecord::kTopLevelParent;
// Indices of the five headings.
constexpr std::uint8_t kBasic = 4, kAdvanced = 5, kMouse = 6, kMedia = 7, kWindows8 = 8;

constexpr std::array<FunctionMenuEntry, kFunctionMenuItemCount> kFunctionMenu = {{
    {19, kTop, "tc_combokey"},
    {8, kTop, "tc_flip_3d"},
    {20, kTop, "tc_mac_def"},
    {21, kTop, "tc_key_off"},
    {23, kTop, "tc_base_fun"},
    {22, kTop, "tc_advance"},
    {26, kTop, "tc_mouse_fun"},
    {24, kTop, "tc_media"},
    {32, kTop, "tc_win8"},
    {64, kBasic, "tc_cut"},
    {65, kBasic, "tc_copy"},
    {66, kBasic, "tc_past"},
    {68, kBasic, "tc_all"},
    {101, kBasic, "tc_kbmedia_search"},
    {70, kBasic, "tc_new"},
    {71, kBasic, "tc_print"},
    {72, kBasic, "tc_save"},
    {80, kAdvanced, "tc_swap"},
    {81, kAdvanced, "tc_close"},
    {83, kAdvanced, "tc_explor"},
    {84, kAdvanced, "tc_run"},
    {85, kAdvanced, "tc_show"},
    {82, kAdvanced, "tc_lock"},
    {88, kAdvanced, "tc_max_win"},
    {89, kAdvanced, "tc_min_win"},
    {86, kAdvanced, "tc_zoomin"},
    {87, kAdvanced, "tc_zoomout"},
    {1, kMouse, "tc_click"},
    {2, kMouse, "tc_menu"},
    {3, kMouse, "tc_middle"},
    {4, kMouse, "tc_forward"},
    {5, kMouse, "tc_back"},
    {9, kMouse, "tc_scrollup"},
    {10, kMouse, "tc_scrolldw"},
    {16, kMouse, "tc_scrolllt"},
    {17, kMouse, "tc_scrollrt"},
    {110, kMedia, "tc_PL"},
    {114, kMedia, "tc_stop"},
    {112, kMedia, "tc_kbmedia_pre"},
    {113, kMedia, "tc_kbmedia_next"},
    {116, kMedia, "tc_vol_up"},
    {117, kMedia, "tc_vol_dw"},
    {115, kMedia, "tc_mute"},
    {33, kWindows8, "tc_win8_desktop"},
    {34, kWindows8, "tc_win8_allapp"},
    {163, kWindows8, "tc_win8_warechange"},
    {37, kWindows8, "tc_win8_charms"},
    {35, kWindows8, "tc_win8_zoomin"},
    {36, kWindows8, "tc_win8_zoomout"},
}};

constexpr std::array<std::u16string_view, kMenuImageCount> kMenuImageFiles = {
    u"MenuNor.BMP",        u"MenuOver.BMP",        u"MenuDown.BMP",        u"MenuNor.BMP",
    u"MenuNorHaveSub.BMP", u"MenuOverHaveSub.BMP", u"MenuDownHaveSub.BMP", u"MenuNorHaveSub.BMP",
};

constexpr std::u16string_view kMenuImageFolder = u"skins\\Menu\\";

}  // namespace

std::uint32_t MenuItemRecord::Parent() const {
    return LoadU32(bytes.data() + kParentOffset);
}

std::uint32_t MenuItemRecord::Code() const {
    return LoadU32(bytes.data() + kCodeOffset);
}

std::u16string MenuItemRecord::Label() const {
    return LoadUtf16(std::span<const std::uint8_t>(bytes).subspan(kLabelOffset, kLabelBytes));
}

void MenuItemRecord::SetParent(std::uint32_t parent) {
    StoreU32(bytes.data() + kParentOffset, parent);
}

void MenuItemRecord::SetCode(std::uint32_t code) {
    StoreU32(bytes.data() + kCodeOffset, code);
}

void MenuItemRecord::SetLabel(std::u16string_view label) {
    StoreUtf16(std::span<std::uint8_t>(bytes).subspan(kLabelOffset, kLabelBytes), label);
}

MenuItemArray BuildFunctionMenuItems(const TextLookup& texts) {
    MenuItemArray items{};
    for (std::size_t i = 0; i < kFunctionMenu.size(); ++i) {
        items[i].SetParent(kFunctionMenu[i].parent);
        items[i].SetCode(kFunctionMenu[i].code);
        items[i].SetLabel(texts ? texts(kFunctionMenu[i].label) : std::u16string());
    }
    return items;
}

std::array<std::u16string, kMenuImageCount> FunctionMenuImagePaths(
    std::u16string_view programFolder) {
    std::array<std::u16string, kMenuImageCount> paths;
    for (std::size_t i = 0; i < kMenuImageCount; ++i) {
        paths[i].append(programFolder).append(kMenuImageFolder).append(kMenuImageFiles[i]);
    }
    return paths;
}

}  // namespace q5

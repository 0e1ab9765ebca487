#include <gtest/gtest.h>

#include <map>
#include <string>

#include "ui/FunctionMenu.h"

namespace q5 {
namespace {

// Every label is its own key, so the test sees which key each item asks.
std::u16string KeyAsText(std::string_view key) {
    return std::u16string(key.begin(), key.end());
}

struct Expected {
    std::uint32_t code;
    std::uint32_t parent;
    const char* key;
};

constexpr std::uint32_t T = 255;
const Expected kTable[] = {
    {19, T, "tc_combokey"},     {8, T, "tc_flip_3d"},
    {20, T, "tc_mac_def"},      {21, T, "tc_key_off"},
    {23, T, "tc_base_fun"},     {22, T, "tc_advance"},
    {26, T, "tc_mouse_fun"},    {24, T, "tc_media"},
    {32, T, "tc_win8"},         {64, 4, "tc_cut"},
    {65, 4, "tc_copy"},         {66, 4, "tc_past"},
    {68, 4, "tc_all"},          {101, 4, "tc_kbmedia_search"},
    {70, 4, "tc_new"},          {71, 4, "tc_print"},
    {72, 4, "tc_save"},         {80, 5, "tc_swap"},
    {81, 5, "tc_close"},        {83, 5, "tc_explor"},
    {84, 5, "tc_run"},          {85, 5, "tc_show"},
    {82, 5, "tc_lock"},         {88, 5, "tc_max_win"},
    {89, 5, "tc_min_win"},      {86, 5, "tc_zoomin"},
    {87, 5, "tc_zoomout"},      {1, 6, "tc_click"},
    {2, 6, "tc_menu"},          {3, 6, "tc_middle"},
    {4, 6, "tc_forward"},       {5, 6, "tc_back"},
    {9, 6, "tc_scrollup"},      {10, 6, "tc_scrolldw"},
    {16, 6, "tc_scrolllt"},     {17, 6, "tc_scrollrt"},
    {110, 7, "tc_PL"},          {114, 7, "tc_stop"},
    {112, 7, "tc_kbmedia_pre"}, {113, 7, "tc_kbmedia_next"},
    {116, 7, "tc_vol_up"},      {117, 7, "tc_vol_dw"},
    {115, 7, "tc_mute"},        {33, 8, "tc_win8_desktop"},
    {34, 8, "tc_win8_allapp"},  {163, 8, "tc_win8_warechange"},
    {37, 8, "tc_win8_charms"},  {35, 8, "tc_win8_zoomin"},
    {36, 8, "tc_win8_zoomout"},
};
static_assert(std::size(kTable) == kFunctionMenuItemCount);

TEST(FunctionMenu, ArrayIs17600BytesOf88ByteRecords) {
    EXPECT_EQ(88u, sizeof(MenuItemRecord));
    EXPECT_EQ(17600u, sizeof(MenuItemArray));
}

TEST(FunctionMenu, ItemsCarryCodesParentsAndLabelsInTableOrder) {
    const MenuItemArray items = BuildFunctionMenuItems(&KeyAsText);
    for (std::size_t i = 0; i < kFunctionMenuItemCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(kTable[i].code, items[i].Code());
        EXPECT_EQ(kTable[i].parent, items[i].Parent());
        EXPECT_EQ(KeyAsText(kTable[i].key), items[i].Label());
    }
}

TEST(FunctionMenu, RecordBytesAreLittleEndianAtTheirOffsets) {
    const MenuItemArray items = BuildFunctionMenuItems(&KeyAsText);
    const auto& copy = items[10].bytes;  // code 65 under heading 4, "tc_copy"
    EXPECT_EQ((std::array<std::uint8_t, 8>{4, 0, 0, 0, 65, 0, 0, 0}),
              (std::array<std::uint8_t, 8>{copy[0], copy[1], copy[2], copy[3], copy[4], copy[5],
                                           copy[6], copy[7]}));
    const auto& top = items[3].bytes;  // code 21 at the top
    EXPECT_EQ(255, top[0]);
    EXPECT_EQ(0, top[1]);
    EXPECT_EQ(21, top[4]);
    // "tc_copy" in UTF-16LE from byte 8, then the terminator and zeros.
    const char16_t* text = u"tc_copy";
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(static_cast<std::uint8_t>(text[i]), copy[8 + 2 * i]);
        EXPECT_EQ(0, copy[9 + 2 * i]);
    }
    for (std::size_t b = 8 + 14; b < 88; ++b) {
        EXPECT_EQ(0, copy[b]) << b;
    }
}

TEST(FunctionMenu, RecordsAfterTheUsedOnesAreZero) {
    const MenuItemArray items = BuildFunctionMenuItems(&KeyAsText);
    for (std::size_t i = kFunctionMenuItemCount; i < kMenuItemCapacity; ++i) {
        for (std::uint8_t byte : items[i].bytes) {
            ASSERT_EQ(0, byte) << "record " << i;
        }
    }
}

TEST(FunctionMenu, LongLabelIsCutTo39UnitsWithTerminator) {
    const std::u16string longText(60, u'x');
    const MenuItemArray items = BuildFunctionMenuItems([&](std::string_view) { return longText; });
    EXPECT_EQ(std::u16string(39, u'x'), items[0].Label());
    EXPECT_EQ(0, items[0].bytes[8 + 78]);
    EXPECT_EQ(0, items[0].bytes[8 + 79]);
}

TEST(FunctionMenu, LabelNeverEndsInHalfASurrogatePair) {
    // 38 letters, then a character outside the basic plane (two units).
    std::u16string text(38, u'a');
    text += u"\U0001F600";
    const MenuItemArray items = BuildFunctionMenuItems([&](std::string_view) { return text; });
    EXPECT_EQ(std::u16string(38, u'a'), items[0].Label());
}

TEST(FunctionMenu, MissingTextsGiveEmptyLabels) {
    const MenuItemArray items =
        BuildFunctionMenuItems([](std::string_view) { return std::u16string(); });
    EXPECT_EQ(u"", items[5].Label());
    EXPECT_EQ(22u, items[5].Code());
}

TEST(FunctionMenu, ImagePathsFollowTheFolderInOrder) {
    const auto paths = FunctionMenuImagePaths(u"C:\\Q5\\");
    const std::array<std::u16string, 8> expected = {
        u"C:\\Q5\\skins\\Menu\\MenuNor.BMP",         u"C:\\Q5\\skins\\Menu\\MenuOver.BMP",
        u"C:\\Q5\\skins\\Menu\\MenuDown.BMP",        u"C:\\Q5\\skins\\Menu\\MenuNor.BMP",
        u"C:\\Q5\\skins\\Menu\\MenuNorHaveSub.BMP",  u"C:\\Q5\\skins\\Menu\\MenuOverHaveSub.BMP",
        u"C:\\Q5\\skins\\Menu\\MenuDownHaveSub.BMP", u"C:\\Q5\\skins\\Menu\\MenuNorHaveSub.BMP",
    };
    EXPECT_EQ(expected, paths);
}

}  // namespace
}  // namespace q5

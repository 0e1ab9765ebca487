// The language table: the lookup rules of the config section, the slots and
// their order, and the language files shipped with the program.
#include <gtest/gtest.h>
#include <fstream>
#include <iterator>
#include <string>
#include "i18n/Unicode.h"

#include <set>

#include "ReaderTestSupport.h"
#include "i18n/LanguageTable.h"

namespace q5::test {
namespace {

// The loader's result text for the shipped English file (UTF-8 with a mark):
// the byte length after the mark and the number of UTF-16 units it gives.
std::string EnglishResultText() {
    std::ifstream file(std::string(Q5_SOURCE_DIR) + "/languages/language.xml", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const std::string content = bytes.substr(3);
    const std::size_t units = q5::Utf8ToUtf16(content).size();
    return "UTF-8 BOM + length " + std::to_string(content.size()) + " to " + std::to_string(units) +
           " wide chars ";
}

class LanguageTableTest : public ::testing::Test {
protected:
    void Load(std::string_view bytes) { table.Load(folder.Write("language.xml", bytes)); }
    std::string Text(std::string_view slot) const { return U8(table.Text(slot)); }

    // The slots that hold a text.
    std::vector<std::string_view> FilledSlots() const {
        std::vector<std::string_view> filled;
        for (std::size_t i = 0; i < kLanguageSlotCount; ++i) {
            if (!table.Slot(i).empty()) {
                filled.push_back(kLanguageSlotNames[i]);
            }
        }
        return filled;
    }

    ScratchFolder folder;
    std::unique_ptr<TextFiles> files = MakeNativeTextFiles();
    LanguageTable table{*files};
};

TEST_F(LanguageTableTest, SlotsAndLookupsAreThoseOfTheKeyList) {
    EXPECT_EQ(kLanguageLookups.size(), 173u);
    std::set<std::string_view> keys;
    std::set<std::string_view> slotNames(kLanguageSlotNames.begin(), kLanguageSlotNames.end());
    EXPECT_EQ(slotNames.size(), 169u);
    for (const auto& lookup : kLanguageLookups) {
        keys.insert(lookup.key);
        ASSERT_LT(lookup.slot, kLanguageSlotCount);
    }
    EXPECT_EQ(keys.size(), kLanguageKeyCount);
    // Slots are numbered in the order the lookups first write them.
    std::size_t nextNew = 0;
    for (const auto& lookup : kLanguageLookups) {
        ASSERT_LE(lookup.slot, nextNew);
        if (lookup.slot == nextNew) {
            ++nextNew;
        }
    }
    EXPECT_EQ(kLanguageLookups.front().key, "tc_mouse_title");
    EXPECT_EQ(kLanguageLookups.back().key, "tc_singleedgescrollright");
}

TEST_F(LanguageTableTest, KeysReadTwiceAndSharedSlots) {
    auto slotOf = [](std::string_view name) {
        return static_cast<std::size_t>(
            std::find(kLanguageSlotNames.begin(), kLanguageSlotNames.end(), name) -
            kLanguageSlotNames.begin());
    };
    std::vector<std::pair<std::string_view, std::string_view>> writes;
    for (const auto& lookup : kLanguageLookups) {
        writes.emplace_back(lookup.key, kLanguageSlotNames[lookup.slot]);
    }
    auto count = [&](std::string_view key, std::string_view slot) {
        return std::count(writes.begin(), writes.end(), std::make_pair(key, slot));
    };
    for (std::string_view key : {"tc_reset", "tc_kbmedia_pre", "tc_kbmedia_next"}) {
        EXPECT_EQ(count(key, key), 1) << key;
        EXPECT_EQ(count(key, std::string(key) + "#2"), 1) << key;
        EXPECT_LT(slotOf(key), slotOf(std::string(key) + "#2")) << key;
    }
    EXPECT_EQ(count("tc_office_word", "tc_office_word"), 2);
    EXPECT_EQ(count("tc_office_excel", "tc_office_excel"), 2);
    EXPECT_EQ(count("tc_kbmedia_back", "tc_back"), 1);
    EXPECT_EQ(count("tc_kbmedia_forword", "tc_forward"), 1);
    EXPECT_EQ(slotOf("tc_reset#2"), slotOf("tc_reset") + 1);
    EXPECT_EQ(slotOf("tc_kbmedia_back"), kLanguageSlotCount);  // no slot of its own
}

TEST_F(LanguageTableTest, MissingFileLeavesEverySlotEmpty) {
    table.Load(folder.PathOf("language.xml"));
    EXPECT_TRUE(FilledSlots().empty());
}

TEST_F(LanguageTableTest, OneKey) {
    Load("<r><config><tc_ok>OK</tc_ok></config></r>");
    EXPECT_EQ(Text("tc_ok"), "OK");
    EXPECT_EQ(FilledSlots(), std::vector<std::string_view>{"tc_ok"});
}

TEST_F(LanguageTableTest, SectionAsRootGivesNothing) {
    Load("<config><tc_ok>OK</tc_ok></config>");
    EXPECT_TRUE(FilledSlots().empty());
}

TEST_F(LanguageTableTest, OnlyTheFirstSectionIsRead) {
    Load("<r><config/><config><tc_ok>OK</tc_ok></config></r>");
    EXPECT_TRUE(FilledSlots().empty());
}

TEST_F(LanguageTableTest, NestedSectionIsSearchedDownwards) {
    Load("<r><config><tc_cancel>C</tc_cancel><config><tc_ok>OK</tc_ok></config></config></r>");
    EXPECT_EQ(Text("tc_ok"), "OK");
    EXPECT_EQ(Text("tc_cancel"), "C");
}

TEST_F(LanguageTableTest, BackAndForwardEndWithTheMediaKeys) {
    Load(
        "<r><config><tc_back>B</tc_back><tc_forward>F</tc_forward>"
        "<tc_kbmedia_forword>MF</tc_kbmedia_forword></config></r>");
    EXPECT_EQ(Text("tc_back"), "");
    EXPECT_EQ(Text("tc_forward"), "MF");
}

TEST_F(LanguageTableTest, KeysReadTwiceFillBothSlots) {
    Load(
        "<r><config><tc_reset>R</tc_reset><tc_kbmedia_pre>P</tc_kbmedia_pre>"
        "<tc_kbmedia_next>N</tc_kbmedia_next></config></r>");
    EXPECT_EQ(Text("tc_reset"), "R");
    EXPECT_EQ(Text("tc_reset#2"), "R");
    EXPECT_EQ(Text("tc_kbmedia_pre#2"), "P");
    EXPECT_EQ(Text("tc_kbmedia_next#2"), "N");
}

TEST_F(LanguageTableTest, TextsAreTakenAsTheReaderGivesThem) {
    Load(
        "<r><config><tc_ok> OK </tc_ok><tc_cancel>A &amp; B</tc_cancel>"
        "<tc_apply>1</tc_apply><tc_apply>2</tc_apply><tc_help><b/>x</tc_help></config></r>");
    EXPECT_EQ(Text("tc_ok"), " OK ");
    EXPECT_EQ(Text("tc_cancel"), "A & B");
    EXPECT_EQ(Text("tc_apply"), "1");
    EXPECT_EQ(Text("tc_help"), "");
}

TEST_F(LanguageTableTest, BrokenFileKeepsWhatRecoveryReaches) {
    Load("<r><config><tc_ok>OK</tc_ok><tc_cancel>C</tc_apply><tc_apply>A</tc_apply></config></r>");
    EXPECT_EQ(Text("tc_ok"), "OK");
    EXPECT_EQ(Text("tc_cancel"), "");  // left unclosed
    EXPECT_EQ(Text("tc_apply"), "A");
}

TEST_F(LanguageTableTest, UnknownSlotNameIsEmpty) {
    Load("<r><config><tc_ok>OK</tc_ok></config></r>");
    EXPECT_EQ(Text("tc_nothing"), "");
    EXPECT_EQ(Text("tc_kbmedia_back"), "");
}

// Every language file shipped with the program.
struct ShippedFile {
    const char* path;
    const char* resultPrefix;
};

class ShippedLanguageTest : public ::testing::TestWithParam<ShippedFile> {};

TEST_P(ShippedLanguageTest, FillsEverySlotAndParsesCleanly) {
    auto files = MakeNativeTextFiles();
    LanguageTable table(*files);
    const std::u16string path = U16(std::string(Q5_SOURCE_DIR) + "/languages/" + GetParam().path);
    table.Load(path);
    const std::string result = U8(table.Reader().ResultText());
    EXPECT_EQ(result.rfind(GetParam().resultPrefix, 0), 0u) << result;
    EXPECT_EQ(result.find("  "), std::string::npos) << "a parse problem: " << result;
    for (std::size_t i = 0; i < kLanguageSlotCount; ++i) {
        EXPECT_FALSE(table.Slot(i).empty()) << kLanguageSlotNames[i];
        EXPECT_EQ(table.Slot(i).find_first_of(u"<>&\r\n"), std::u16string::npos)
            << kLanguageSlotNames[i];
    }
    // The tray tooltip holds at most 127 characters and is not the main window's title.
    EXPECT_LE(table.Text("tc_mouse_title").size(), 127u);
    EXPECT_NE(U8(table.Text("tc_mouse_title")), "Korvo Q5 Mouse Driver");
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguageTest,
                         ::testing::Values(ShippedFile{"language.xml", "UTF-8 BOM + length "},
                                           ShippedFile{"de/language.xml", "UTF-8 length "},
                                           ShippedFile{"zh-CN/language.xml",
                                                       "UTF-16LE BOM + length "}));

TEST(ShippedLanguages, EnglishTexts) {
    auto files = MakeNativeTextFiles();
    LanguageTable table(*files);
    table.Load(U16(std::string(Q5_SOURCE_DIR) + "/languages/language.xml"));
    EXPECT_EQ(U8(table.Text("tc_ok")), "OK");
    EXPECT_EQ(U8(table.Text("tc_apply")), "Apply");
    EXPECT_EQ(U8(table.Text("tc_back")), "Back");
    EXPECT_EQ(U8(table.Text("tc_reset#2")), "Reset");
    EXPECT_EQ(U8(table.Reader().ResultText()), EnglishResultText());
}

TEST(ShippedLanguages, TranslationsDifferFromEnglish) {
    auto files = MakeNativeTextFiles();
    LanguageTable english(*files);
    LanguageTable german(*files);
    LanguageTable chinese(*files);
    english.Load(U16(std::string(Q5_SOURCE_DIR) + "/languages/language.xml"));
    german.Load(U16(std::string(Q5_SOURCE_DIR) + "/languages/de/language.xml"));
    chinese.Load(U16(std::string(Q5_SOURCE_DIR) + "/languages/zh-CN/language.xml"));
    EXPECT_EQ(U8(german.Text("tc_apply")), "\u00DCbernehmen");
    EXPECT_EQ(U8(chinese.Text("tc_ok")), "\u786E\u5B9A");
    EXPECT_NE(english.Text("tc_cancel"), german.Text("tc_cancel"));
}

}  // namespace
}  // namespace q5::test

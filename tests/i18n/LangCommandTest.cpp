// q5tool lang: the built tool run on language files, its exact output.
#include <gtest/gtest.h>
#include <fstream>
#include <iterator>
#include <string>
#include "ToolRunner.h"
#include "i18n/Unicode.h"

#include <vector>

#include "ReaderTestSupport.h"
#include "i18n/LanguageKeys.h"

#ifndef _WIN32
#endif

namespace q5::test {
namespace {

// The loader's result text for the shipped English file (UTF-8 with a mark):
// the byte length after the mark and the number of UTF-16 units it gives.
[[maybe_unused]] std::string EnglishResultText() {
    std::ifstream file(std::string(Q5_SOURCE_DIR) + "/languages/language.xml", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const std::string content = bytes.substr(3);
    const std::size_t units = q5::Utf8ToUtf16(content).size();
    return "UTF-8 BOM + length " + std::to_string(content.size()) + " to " + std::to_string(units) +
           " wide chars ";
}

#ifndef _WIN32
struct ToolRun {
    int status = -1;
    std::vector<std::string> lines;
};

ToolRun RunLang(const std::string& arguments) {
    const ToolResult result = RunTool("lang " + arguments, Stderr::Discarded);
    return ToolRun{result.status, result.lines()};
}

std::string Quoted(const std::u16string& path) {
    return "'" + U8(path) + "'";
}

TEST(LangCommandTest, PrintsTheResultAndEverySlotInOrder) {
    ScratchFolder folder;
    const auto path = folder.Write(
        "l.xml",
        "<r><config><tc_ok>OK</tc_ok><tc_reset>Re\\set</tc_reset>"
        "<tc_cancel>a&#9;b&#10;c&#13;&#1;\xE4\xB8\xAD&#x1F600;</tc_cancel></config></r>");
    const ToolRun run = RunLang(Quoted(path));
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 1 + kLanguageSlotCount);
    EXPECT_EQ(run.lines[0], "result\tUTF-8 length 124 to 122 wide chars ");
    EXPECT_EQ(run.lines[1], "tc_mouse_title\t");
    for (std::size_t i = 0; i < kLanguageSlotCount; ++i) {
        const std::string& line = run.lines[i + 1];
        EXPECT_EQ(line.substr(0, line.find('\t')), kLanguageSlotNames[i]);
    }
    auto lineOf = [&run](std::string_view slot) {
        for (const auto& line : run.lines) {
            if (line.substr(0, line.find('\t')) == slot) {
                return line;
            }
        }
        return std::string();
    };
    EXPECT_EQ(lineOf("tc_ok"), "tc_ok\tOK");
    EXPECT_EQ(lineOf("tc_reset"), "tc_reset\tRe\\\\set");
    EXPECT_EQ(lineOf("tc_reset#2"), "tc_reset#2\tRe\\\\set");
    EXPECT_EQ(lineOf("tc_cancel"), "tc_cancel\ta\\tb\\nc\\r\\u0001\xE4\xB8\xAD\xF0\x9F\x98\x80");
    EXPECT_EQ(lineOf("tc_kbmedia_pre#2"), "tc_kbmedia_pre#2\t");
}

TEST(LangCommandTest, UnpairedSurrogatesAreEscaped) {
    ScratchFolder folder;
    const std::u16string text = u"<r><config><tc_ok>x\xD800y\xDC01</tc_ok></config></r>";
    const auto path = folder.Write("l.xml", "\xFF\xFE" + Utf16LeBytes(text));
    const ToolRun run = RunLang(Quoted(path));
    ASSERT_GT(run.lines.size(), 1u);
    bool found = false;
    for (const auto& line : run.lines) {
        if (line.rfind("tc_ok\t", 0) == 0) {
            EXPECT_EQ(line, "tc_ok\tx\\ud800y\\udc01");
            found = true;
        }
    }
    EXPECT_TRUE(found);
}

TEST(LangCommandTest, MissingFilePrintsTheErrorAndEmptySlots) {
    const ToolRun run = RunLang("/nonexistent/q5/language.xml");
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 1 + kLanguageSlotCount);
    EXPECT_EQ(run.lines[0], "result\tNo such file or directory");
    EXPECT_EQ(run.lines[kLanguageSlotCount], "tc_singleedgescrollright\t");
}

TEST(LangCommandTest, ShippedEnglishFile) {
    const ToolRun run = RunLang(std::string(Q5_SOURCE_DIR) + "/languages/language.xml");
    ASSERT_EQ(run.lines.size(), 1 + kLanguageSlotCount);
    EXPECT_EQ(run.lines[0], "result\t" + EnglishResultText());
    EXPECT_EQ(run.lines[1], "tc_mouse_title\tKorvo Q5 Touch Mouse");
}

TEST(LangCommandTest, WrongArgumentsAreAUsageError) {
    EXPECT_EQ(RunLang("").status, 2);
}
#endif

}  // namespace
}  // namespace q5::test

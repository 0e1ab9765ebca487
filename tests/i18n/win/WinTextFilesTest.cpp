// The real Windows text services behind the reader, under Wine: conversion
// by MultiByteToWideChar, system error texts, wide paths, and language.xml
// beside the executable as the program finds it at start-up.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "i18n/LanguageTable.h"
#include "i18n/Unicode.h"
#include "platform/win/WinTextFiles.h"

namespace q5::win {
namespace {

std::u16string ExecutableFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::u16string folder(reinterpret_cast<const char16_t*>(path), length);
    return folder.substr(0, folder.rfind(u'\\') + 1);
}

TEST(WinTextFilesTest, ConvertsAsMultiByteToWideCharDoes) {
    WinTextFiles files;
    const std::string gb = "\xD6\xD0\xCE\xC4";
    EXPECT_EQ(files.MultiByteToWideChar(936, 0, gb.data(), 4, nullptr, 0), 2);
    char16_t wide[4] = {};
    ASSERT_EQ(files.MultiByteToWideChar(936, 0, gb.data(), 4, wide, 4), 2);
    EXPECT_EQ(std::u16string(wide, 2), u"\u4E2D\u6587");
    const std::string utf8 = "\xE2\x82\xAC";
    ASSERT_EQ(files.MultiByteToWideChar(65001, 0, utf8.data(), 3, wide, 4), 1);
    EXPECT_EQ(wide[0], u'\u20AC');
    // UTF-16 is no byte source.
    EXPECT_EQ(files.MultiByteToWideChar(1200, 0, "a\0", 2, nullptr, 0), 0);
}

TEST(WinTextFilesTest, ErrorTextIsTheSystemMessage) {
    WinTextFiles files;
    wchar_t expected[100] = {};
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                         ERROR_FILE_NOT_FOUND, 0, expected, 100, nullptr);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(files.FormatMessageW(ERROR_FILE_NOT_FOUND),
              std::u16string(reinterpret_cast<const char16_t*>(expected), length));
}

TEST(WinTextFilesTest, MissingFileLeavesTheLastError) {
    WinTextFiles files;
    const std::u16string path = ExecutableFolder() + u"no such language.xml";
    EXPECT_EQ(files.Wfopen(path, "rb"), nullptr);
    EXPECT_EQ(files.GetLastError(), static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));

    XmlReader reader(files);
    EXPECT_FALSE(reader.LoadFile(path));
    std::u16string message = files.FormatMessageW(ERROR_FILE_NOT_FOUND);
    message.resize(std::min(message.size(), message.find_first_of(u"\r\n")));
    EXPECT_EQ(reader.ResultText(), message);
}

TEST(WinTextFilesTest, WidePathsOpen) {
    WinTextFiles files;
    const std::u16string path = ExecutableFolder() + u"\u4E2D\u6587 q5.xml";
    std::FILE* out = ::_wfopen(reinterpret_cast<const wchar_t*>(path.c_str()), L"wb");
    ASSERT_NE(out, nullptr);
    std::fputs("<r><config><tc_ok>OK</tc_ok></config></r>", out);
    std::fclose(out);
    LanguageTable table(files);
    table.Load(path);
    EXPECT_EQ(table.Text("tc_ok"), u"OK");
    ::_wremove(reinterpret_cast<const wchar_t*>(path.c_str()));
}

TEST(WinTextFilesTest, LanguageFileBesideTheExecutableIsTheEnglishOne) {
    WinTextFiles files;
    LanguageTable table(files);
    table.Load(ExecutableFolder() + std::u16string(LanguageTable::kFileName));
    // The shipped English file: UTF-8 with a mark.
    EXPECT_TRUE(Utf16ToUtf8(table.Reader().ResultText()).starts_with("UTF-8 BOM + length "));
    for (std::size_t i = 0; i < kLanguageSlotCount; ++i) {
        EXPECT_FALSE(table.Slot(i).empty()) << kLanguageSlotNames[i];
    }
    EXPECT_EQ(table.Text("tc_apply"), u"Apply");
}

}  // namespace
}  // namespace q5::win

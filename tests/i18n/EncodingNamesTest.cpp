// Encoding names and the code pages they give, and (on Linux) that every
// code page the names give converts through a character set of its own.
#include <gtest/gtest.h>

#include <set>

#include "ReaderTestSupport.h"
#include "i18n/EncodingNames.h"
#ifndef _WIN32
#include "platform/posix/PosixTextFiles.h"
#endif

namespace q5::test {
namespace {

TEST(EncodingNamesTest, KnownNames) {
    EXPECT_EQ(KnownEncodingNames().size(), 254u);
    EXPECT_EQ(CodePageOfEncoding(u"UTF-8"), 65001u);
    EXPECT_EQ(CodePageOfEncoding(u"utf-8"), 65001u);
    EXPECT_EQ(CodePageOfEncoding(u"GB2312"), 936u);
    EXPECT_EQ(CodePageOfEncoding(u"gbk"), 936u);
    EXPECT_EQ(CodePageOfEncoding(u"Shift_JIS"), 932u);
    EXPECT_EQ(CodePageOfEncoding(u"ISO-8859-1"), 28591u);
    EXPECT_EQ(CodePageOfEncoding(u"latin1"), 28591u);
    EXPECT_EQ(CodePageOfEncoding(u"windows-1252"), 1252u);
    EXPECT_EQ(CodePageOfEncoding(u"UTF-16"), 1200u);
    EXPECT_EQ(CodePageOfEncoding(u"unicodeFFFE"), 1201u);
    EXPECT_EQ(CodePageOfEncoding(u"cp500"), 775u);
    EXPECT_EQ(CodePageOfEncoding(u"_iso-2022-jp$sio"), 50222u);
    EXPECT_EQ(CodePageOfEncoding(u"iso_646.irv:1991"), 20127u);
}

TEST(EncodingNamesTest, Utf32PrefixIsCaseSensitive) {
    EXPECT_EQ(CodePageOfEncoding(u"UTF-32"), kCodePageUtf32);
    EXPECT_EQ(CodePageOfEncoding(u"UTF-32BE"), kCodePageUtf32);
    EXPECT_EQ(CodePageOfEncoding(u"utf-32"), 0u);
}

TEST(EncodingNamesTest, UnknownNamesGiveTheAnsiCodePage) {
    EXPECT_EQ(CodePageOfEncoding(u""), 0u);
    EXPECT_EQ(CodePageOfEncoding(u"UTF-8?"), 0u);
    EXPECT_EQ(CodePageOfEncoding(u"utf8"), 0u);
    EXPECT_EQ(CodePageOfEncoding(u"\u00FCtf-8"), 0u);
    EXPECT_EQ(CodePageOfEncoding(std::u16string(100, u'a')), 0u);
}

#ifndef _WIN32
TEST(EncodingNamesTest, LinuxConvertsEveryNamedCodePageItHasACharsetFor) {
    posix::PosixTextFiles files;
    const std::set<std::uint32_t> missing = {720,   10004, 10005, 10006, 10081, 20833, 20838,
                                             29001, 52936, 57002, 57003, 57004, 57005, 57006,
                                             57007, 57008, 57009, 57010, 57011};
    for (std::string_view name : KnownEncodingNames()) {
        const std::uint32_t codePage = CodePageOfEncoding(U16(name));
        const char byte = 'A';
        const int converted = files.MultiByteToWideChar(codePage, 0, &byte, 1, nullptr, 0);
        if (codePage == 1200 || codePage == 1201 || missing.count(codePage) != 0) {
            EXPECT_EQ(converted, 0) << name;
        } else {
            EXPECT_GE(converted, 1) << name;
        }
    }
}

TEST(EncodingNamesTest, LinuxConversionMirrorsMultiByteToWideChar) {
    posix::PosixTextFiles files;
    const std::string bytes = "a\xE9\xFF";
    char16_t wide[8] = {};
    EXPECT_EQ(files.MultiByteToWideChar(1252, 0, bytes.data(), 3, nullptr, 0), 3);
    EXPECT_EQ(files.MultiByteToWideChar(1252, 0, bytes.data(), 3, wide, 8), 3);
    EXPECT_EQ(std::u16string(wide, 3), u"a\u00E9\u00FF");
    // Too little room fails.
    EXPECT_EQ(files.MultiByteToWideChar(1252, 0, bytes.data(), 3, wide, 2), 0);
    // Invalid UTF-8 becomes U+FFFD; a cut-off sequence one more.
    EXPECT_EQ(files.MultiByteToWideChar(65001, 0, bytes.data(), 3, wide, 8), 3);
    EXPECT_EQ(std::u16string(wide, 3), u"a\uFFFD\uFFFD");
    EXPECT_EQ(files.MultiByteToWideChar(65001, 0, "\xE2\x82", 2, wide, 8), 1);
    EXPECT_EQ(wide[0], u'\uFFFD');
    EXPECT_EQ(files.MultiByteToWideChar(1200, 0, "ab", 2, nullptr, 0), 0);
    EXPECT_EQ(files.MultiByteToWideChar(0, 0, "\x80", 1, wide, 8), 1);
    EXPECT_EQ(wide[0], u'\u20AC');  // the ANSI code page is windows-1252
    EXPECT_EQ(files.MultiByteToWideChar(936, 0, "\xD6\xD0", 2, wide, 8), 1);
    EXPECT_EQ(wide[0], u'\u4E2D');
}

TEST(EncodingNamesTest, LinuxErrorTexts) {
    posix::PosixTextFiles files;
    EXPECT_EQ(U8(files.FormatMessageW(2)), "No such file or directory");
    EXPECT_EQ(files.Wfopen(u"/nonexistent/q5/language.xml", "rb"), nullptr);
    EXPECT_EQ(files.GetLastError(), 2u);
}
#endif

}  // namespace
}  // namespace q5::test

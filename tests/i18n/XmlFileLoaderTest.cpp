// Loading files in every encoding the reader recognises: byte-order marks,
// declarations, the UTF-8 test, zero removal and the result texts. These run
// against the build's real conversion (iconv on Linux, MultiByteToWideChar
// under Wine).
#include <gtest/gtest.h>

#include "ReaderTestSupport.h"
#include "i18n/XmlFileLoader.h"

namespace q5::test {
namespace {

class XmlFileLoaderTest : public ::testing::Test {
protected:
    // Loads `bytes` from a file; false when LoadFile failed.
    bool Load(std::string_view bytes) { return reader.LoadFile(folder.Write("f.xml", bytes)); }
    std::string Result() const { return U8(reader.ResultText()); }
    std::string Text() const { return U8(reader.DocumentText()); }

    ScratchFolder folder;
    std::unique_ptr<TextFiles> files = MakeNativeTextFiles();
    XmlReader reader{*files};
};

TEST_F(XmlFileLoaderTest, EmptyFile) {
    reader.SetFlags(XmlReader::kIgnoreCase);
    EXPECT_TRUE(Load(""));
    EXPECT_EQ(Result(), "ANSI 0 length ");
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(reader.Flags(), XmlReader::kIgnoreCase);
}

TEST_F(XmlFileLoaderTest, Utf8Mark) {
    EXPECT_TRUE(Load("\xEF\xBB\xBF<r>\xC3\xA9</r>"));
    EXPECT_EQ(Result(), "UTF-8 BOM + length 9 to 8 wide chars ");
    EXPECT_EQ(Text(), "<r>\u00E9</r>");
    EXPECT_EQ(reader.Flags(), XmlReader::kUtf8Mark);
}

TEST_F(XmlFileLoaderTest, MarkOnly) {
    EXPECT_TRUE(Load("\xEF\xBB\xBF"));
    EXPECT_EQ(Result(), "UTF-8 BOM + 0 length ");
}

TEST_F(XmlFileLoaderTest, Utf16LittleEndianMarkNeedsNoConversion) {
    const std::u16string text = u"<r>\u4E2D\U0001F600</r>";
    EXPECT_TRUE(Load("\xFF\xFE" + Utf16LeBytes(text)));
    EXPECT_EQ(Result(), "UTF-16LE BOM + length 10 ");
    EXPECT_EQ(reader.DocumentText(), text);
    EXPECT_EQ(reader.Flags(), XmlReader::kUtf16LeMark);
}

TEST_F(XmlFileLoaderTest, Utf16BigEndianMarkSwapsEveryUnit) {
    const std::u16string text = u"<r>\u4E2D</r>";
    EXPECT_TRUE(Load("\xFE\xFF" + Utf16BeBytes(text)));
    EXPECT_EQ(Result(), "UTF-16BE BOM + length 8 endian swap ");
    EXPECT_EQ(reader.DocumentText(), text);
    EXPECT_EQ(reader.Flags(), XmlReader::kUtf16BeMark);
}

TEST_F(XmlFileLoaderTest, Utf16ZeroUnitsAreRemovedAndAnOddByteIgnored) {
    const std::u16string text{u'<', u'r', 0, u'>', 0, u'<', u'/', u'r', u'>'};
    EXPECT_TRUE(Load("\xFF\xFE" + Utf16LeBytes(text) + "x"));
    EXPECT_EQ(Result(), "UTF-16LE BOM + length 9 (2 nulls removed) ");
    EXPECT_EQ(Text(), "<r></r>");
}

TEST_F(XmlFileLoaderTest, DeclaredEncodingIsUsed) {
    EXPECT_TRUE(Load("<?xml version=\"1.0\" encoding=\"gb2312\"?><r>\xD6\xD0\xCE\xC4</r>"));
    EXPECT_EQ(Result(), "gb2312 length 50 to 48 wide chars ");
    EXPECT_EQ(Text(), "<?xml version=\"1.0\" encoding=\"gb2312\"?><r>\u4E2D\u6587</r>");
    EXPECT_EQ(reader.Flags(), 0u);
}

TEST_F(XmlFileLoaderTest, DeclarationNamesAreMatchedIgnoringCase) {
    EXPECT_TRUE(Load("<?XML Encoding='ISO-8859-1' ?><r>\xE9</r>"));
    EXPECT_EQ(Result(), "ISO-8859-1 length 38 to 38 wide chars ");
    EXPECT_EQ(Text(), "<?XML Encoding='ISO-8859-1' ?><r>\u00E9</r>");
}

TEST_F(XmlFileLoaderTest, UnquotedDeclarationTakesTheRestOfTheWord) {
    // "UTF-8?" is no known name, so the ANSI code page converts.
    EXPECT_TRUE(Load("<?xml version=1.0 encoding=UTF-8?><r/>"));
    EXPECT_EQ(Result(), "UTF-8? length 38 to 38 wide chars ");
}

TEST_F(XmlFileLoaderTest, HtmlMetaCharset) {
    EXPECT_TRUE(
        Load("<html><head><meta name=x><meta http-equiv='content-type' "
             "content='text/html; charset=koi8-r'></head><p>\xC1</p></html>"));
    EXPECT_EQ(Result(), "koi8-r length 115 to 115 wide chars ");
    EXPECT_NE(Text().find("<p>\u0430</p>"), std::string::npos);
}

TEST_F(XmlFileLoaderTest, DeclarationAfterATagDoesNotCount) {
    EXPECT_TRUE(Load("<r/><?xml encoding='gb2312'?>"));
    EXPECT_EQ(Result(), "UTF-8 length 29 to 29 wide chars ");
}

TEST_F(XmlFileLoaderTest, FirstByteLessThanMeansUtf8) {
    EXPECT_TRUE(Load("<r>\xE2\x82\xAC</r>"));
    EXPECT_EQ(Result(), "UTF-8 length 10 to 8 wide chars ");
    EXPECT_EQ(Text(), "<r>\u20AC</r>");
}

TEST_F(XmlFileLoaderTest, Utf8DetectionWhenNothingElseIsKnown) {
    EXPECT_TRUE(Load(" <r>\xE2\x82\xAC</r>"));
    EXPECT_EQ(Result(), "UTF-8 length 11 (used UTF-8 detection) to 9 wide chars ");
    EXPECT_EQ(Text(), " <r>\u20AC</r>");
}

TEST_F(XmlFileLoaderTest, AnsiWhenTheUtf8TestFails) {
    EXPECT_TRUE(Load("x\xE9y"));
    EXPECT_EQ(Result(), "ANSI length 3 (used UTF-8 detection) to 3 wide chars ");
    EXPECT_EQ(reader.DocumentText().size(), 3u);
    EXPECT_EQ(reader.DocumentText()[0], u'x');
    EXPECT_EQ(reader.DocumentText()[2], u'y');
}

TEST_F(XmlFileLoaderTest, LooseUtf8Test) {
    EXPECT_TRUE(LooksLikeUtf8("plain"));
    EXPECT_TRUE(LooksLikeUtf8("\xC3\xA9"));
    EXPECT_TRUE(LooksLikeUtf8("\xE2\x82\xAC"));
    EXPECT_TRUE(LooksLikeUtf8("\xF0\x9F\x98\x80"));
    // Continuation bytes are only checked for their top bit.
    EXPECT_TRUE(LooksLikeUtf8("\xC3\xFF"));
    EXPECT_TRUE(LooksLikeUtf8("\xD6\xD0\xCE\xC4"));  // GB2312 passes too
    EXPECT_FALSE(LooksLikeUtf8("\xC3"));             // cut off
    EXPECT_FALSE(LooksLikeUtf8("\xC3x"));
    EXPECT_FALSE(LooksLikeUtf8("\xF8\x80\x80\x80\x80"));
    EXPECT_FALSE(LooksLikeUtf8("\xE2\x82"));
}

TEST_F(XmlFileLoaderTest, Utf16WithoutMarkLoadsThroughZeroRemoval) {
    const std::u16string text = u"<?xml version=\"1.0\"?><r>ok</r>";
    EXPECT_TRUE(Load(Utf16LeBytes(text)));
    EXPECT_EQ(Result(), "UTF-8 length 60 (30 nulls removed) to 30 wide chars ");
    EXPECT_EQ(reader.DocumentText(), text);
}

TEST_F(XmlFileLoaderTest, ZeroBytesAreRemovedBeforeConversion) {
    EXPECT_TRUE(Load(std::string("<r>a\0b\0</r>", 11)));
    EXPECT_EQ(Result(), "UTF-8 length 11 (2 nulls removed) to 9 wide chars ");
    EXPECT_EQ(Text(), "<r>ab</r>");
}

TEST_F(XmlFileLoaderTest, Utf16AsAByteSourceGivesNoText) {
    EXPECT_TRUE(Load("<?xml version='1.0' encoding='UTF-16'?><r/>"));
    EXPECT_EQ(Result(), "UTF-16 length 43 to 0 wide chars ");
    EXPECT_EQ(Text(), "");
}

TEST_F(XmlFileLoaderTest, DeclarationBeyondTheSampleIsNotSeen) {
    const std::string bytes = std::string(1030, ' ') + "<?xml encoding='gb2312'?><r>\xD6\xD0</r>";
    EXPECT_TRUE(Load(bytes));
    EXPECT_EQ(Result(), "UTF-8 length 1064 (used UTF-8 detection) to 1064 wide chars ");
}

TEST_F(XmlFileLoaderTest, Utf32RemovesZeroUnitsAndDropsACutOffUnit) {
    // 28 bytes of declaration: seven units that stand for no character.
    std::string bytes = "<?xml encoding='UTF-32LE' ?>";
    bytes += std::string("A\0\0\0\0\0\0\0\x00\xF6\x01\x00xy", 14);
    EXPECT_TRUE(Load(bytes));
    EXPECT_EQ(Result(), "UTF-32LE length 42 (1 nulls removed) to 10 wide chars ");
    EXPECT_EQ(reader.DocumentText(), std::u16string(7, u'\uFFFD') + u"A\U0001F600");
}

TEST_F(XmlFileLoaderTest, MarkOfAnEarlierLoadIsForgotten) {
    ASSERT_TRUE(Load("\xFE\xFF" + Utf16BeBytes(u"<r/>")));
    ASSERT_EQ(reader.Flags(), XmlReader::kUtf16BeMark);
    EXPECT_TRUE(Load("<r>x</r>"));
    EXPECT_EQ(Result(), "UTF-8 length 8 to 8 wide chars ");
    EXPECT_EQ(Text(), "<r>x</r>");
    EXPECT_EQ(reader.Flags(), 0u);
}

TEST_F(XmlFileLoaderTest, MissingFile) {
    ASSERT_TRUE(Load("\xEF\xBB\xBF<r/>"));
    EXPECT_FALSE(reader.LoadFile(folder.PathOf("missing.xml")));
    constexpr std::uint32_t kFileNotFound = 2;  // ENOENT and ERROR_FILE_NOT_FOUND alike
    std::u16string expected = files->FormatMessageW(kFileNotFound);
    expected.resize(std::min(expected.size(), expected.find_first_of(u"\r\n")));
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(reader.ResultText(), expected);
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(reader.Flags(), XmlReader::kUtf8Mark);  // unchanged
}

TEST_F(XmlFileLoaderTest, LoadedTextParsesWithTheLoadTextFirst) {
    ASSERT_TRUE(Load("\xEF\xBB\xBF<a><b></a>"));
    EXPECT_FALSE(reader.Parse());
    EXPECT_EQ(Result(),
              "UTF-8 BOM + length 10 to 10 wide chars  End tag 'a' at offset 7 does not match "
              "start tag 'b' at offset 3");
}

TEST_F(XmlFileLoaderTest, NonAsciiPathOpens) {
    const std::u16string path = folder.Write("\xC3\xA9t\xC3\xA9.xml", "<r/>");
    EXPECT_TRUE(reader.LoadFile(path));
    EXPECT_EQ(Text(), "<r/>");
}

}  // namespace
}  // namespace q5::test

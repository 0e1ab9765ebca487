// The element table the reader builds, and how it recovers from bad markup.
#include <gtest/gtest.h>

#include "ReaderTestSupport.h"

namespace q5::test {
namespace {

TEST(XmlParseTest, ConstructionParsesTheEmptyDocument) {
    auto files = MakeNativeTextFiles();
    XmlReader reader(*files);
    EXPECT_EQ(reader.Elements().size(), 1);
    EXPECT_EQ(U8(reader.ResultText()), "Empty document");
    EXPECT_FALSE(reader.FindNextChild(u"config"));
    EXPECT_EQ(reader.Flags(), 0u);
}

TEST(XmlParseTest, WellFormedDocumentRecordsEveryElementInOrder) {
    //                         0         1         2
    //                         0123456789012345678901234567
    ParsedDocument doc("<r a='1'><b>x</b><c/></r>");
    EXPECT_TRUE(doc.wellFormed);
    EXPECT_EQ(doc.Result(), "");
    ASSERT_EQ(doc.reader.Elements().size(), 4);

    const ElementRecord& document = doc.Record(0);
    EXPECT_EQ(document.start, 0);
    EXPECT_EQ(document.length, 25);
    EXPECT_EQ(document.firstChild, 1);
    EXPECT_FALSE(document.Has(ElementRecord::kIllFormed));

    const ElementRecord& r = doc.Record(1);
    EXPECT_EQ(r.start, 0);
    EXPECT_EQ(r.length, 25);
    EXPECT_EQ(r.startTagLength(), 9u);
    EXPECT_EQ(r.endTagLength(), 4u);
    EXPECT_EQ(r.level(), 0u);
    EXPECT_EQ(r.parent, 0);
    EXPECT_EQ(r.firstChild, 2);
    EXPECT_EQ(r.nextSibling, 0);
    EXPECT_EQ(r.previousSibling, 1);  // an only child holds its own index
    EXPECT_TRUE(r.Has(ElementRecord::kFirstChild));

    const ElementRecord& b = doc.Record(2);
    EXPECT_EQ(b.start, 9);
    EXPECT_EQ(b.length, 8);
    EXPECT_EQ(b.startTagLength(), 3u);
    EXPECT_EQ(b.endTagLength(), 4u);
    EXPECT_EQ(b.level(), 1u);
    EXPECT_EQ(b.parent, 1);
    EXPECT_EQ(b.nextSibling, 3);
    EXPECT_EQ(b.previousSibling, 3);  // the first child holds the last child
    EXPECT_TRUE(b.Has(ElementRecord::kFirstChild));

    const ElementRecord& c = doc.Record(3);
    EXPECT_EQ(c.start, 17);
    EXPECT_EQ(c.length, 4);
    EXPECT_EQ(c.startTagLength(), 4u);
    EXPECT_EQ(c.endTagLength(), 0u);
    EXPECT_EQ(c.previousSibling, 2);
    EXPECT_FALSE(c.Has(ElementRecord::kFirstChild));
    EXPECT_FALSE(c.Has(ElementRecord::kNotEnded));
}

TEST(XmlParseTest, TagLengthsPackStartTagInLow22BitsAndEndTagInHigh10) {
    ParsedDocument doc("<abc>x</abc >");
    EXPECT_EQ(doc.Record(1).tagLengths, 5u | (7u << 22));
}

TEST(XmlParseTest, EndTagClosingAnOuterElementClosesInnerOnesImplicitly) {
    ParsedDocument doc("<a><b></a>");
    EXPECT_FALSE(doc.wellFormed);
    EXPECT_EQ(doc.Result(), "End tag 'a' at offset 7 does not match start tag 'b' at offset 3");
    EXPECT_EQ(doc.Record(1).length, 10);
    const ElementRecord& b = doc.Record(2);
    EXPECT_EQ(b.length, 3);
    EXPECT_EQ(b.endTagLength(), 0u);
    EXPECT_TRUE(b.Has(ElementRecord::kNotEnded));
    EXPECT_EQ(b.parent, 1);
    EXPECT_TRUE(doc.Record(0).Has(ElementRecord::kIllFormed));
}

TEST(XmlParseTest, EndTagWithoutStartTagIsIgnored) {
    ParsedDocument doc("<a></b></a>");
    EXPECT_FALSE(doc.wellFormed);
    EXPECT_EQ(doc.Result(), "No start tag for end tag 'b' at offset 3");
    const ElementRecord& a = doc.Record(1);
    EXPECT_EQ(a.length, 11);
    EXPECT_EQ(a.endTagLength(), 4u);
    EXPECT_FALSE(a.Has(ElementRecord::kNotEnded));
    EXPECT_TRUE(a.Has(ElementRecord::kProblem));
}

TEST(XmlParseTest, UnendedElementLosesItsChildrenToItsParent) {
    ParsedDocument doc("<a><b>x</b>");
    EXPECT_FALSE(doc.wellFormed);
    EXPECT_EQ(doc.Result(), "Root element has sibling");
    const ElementRecord& a = doc.Record(1);
    EXPECT_TRUE(a.Has(ElementRecord::kNotEnded));
    EXPECT_EQ(a.length, 3);
    EXPECT_EQ(a.firstChild, 0);
    EXPECT_EQ(a.nextSibling, 2);
    const ElementRecord& b = doc.Record(2);
    EXPECT_EQ(b.parent, 0);
    EXPECT_EQ(b.previousSibling, 1);
    EXPECT_FALSE(b.Has(ElementRecord::kFirstChild));
    EXPECT_EQ(doc.Record(1).previousSibling, 2);  // first top-level holds the last one
}

TEST(XmlParseTest, FirstBuilderProblemIsKeptWhenTheRootIsFine) {
    ParsedDocument doc("<r><a><b></r></x>");
    EXPECT_EQ(doc.Result(), "End tag 'r' at offset 10 does not match start tag 'b' at offset 6");
}

TEST(XmlParseTest, NestedUnendedElementsMoveUpAcrossSeveralLevels) {
    ParsedDocument doc("<r><a><b><c/></r>");
    // c was b's child, b was a's: after both are closed all three sit under r.
    EXPECT_EQ(doc.Record(2).parent, 1);
    EXPECT_EQ(doc.Record(3).parent, 1);
    EXPECT_EQ(doc.Record(4).parent, 1);
    EXPECT_EQ(doc.Record(1).firstChild, 2);
    EXPECT_EQ(doc.Record(2).nextSibling, 3);
    EXPECT_EQ(doc.Record(3).nextSibling, 4);
    EXPECT_EQ(doc.Record(4).nextSibling, 0);
    EXPECT_EQ(doc.Record(2).previousSibling, 4);
    EXPECT_EQ(doc.Result(), "End tag 'r' at offset 14 does not match start tag 'b' at offset 6");
}

TEST(XmlParseTest, ProblemFlagMovesToTheParentOfAnUnendedElement) {
    ParsedDocument doc("<r><a></x></r>");
    EXPECT_TRUE(doc.Record(1).Has(ElementRecord::kProblem));
    EXPECT_FALSE(doc.Record(2).Has(ElementRecord::kProblem));
    EXPECT_EQ(doc.Result(), "No start tag for end tag 'x' at offset 6");
}

TEST(XmlParseTest, ElementStillOpenAtTheEndIsReportedWhenTheRootIsAlone) {
    ParsedDocument doc("<a>text");
    EXPECT_EQ(doc.Result(), "Element 'a' at offset 0 not ended");
    EXPECT_FALSE(doc.wellFormed);
}

TEST(XmlParseTest, RootTextsReplaceTheBuilderProblem) {
    EXPECT_EQ(ParsedDocument("<r/><s/>").Result(), "Root element has sibling");
    EXPECT_EQ(ParsedDocument("just text").Result(), "No root element");
    EXPECT_EQ(ParsedDocument("<1a/>").Result(), "No root element");
    EXPECT_EQ(ParsedDocument("").Result(), "Empty document");
    EXPECT_FALSE(ParsedDocument("<r/><s/>").wellFormed);
}

TEST(XmlParseTest, MalformedMarkupIsRecordedAndSkipped) {
    ParsedDocument doc("<r><1a/><b/></r>");
    EXPECT_EQ(doc.Result(), "Incorrect tag name character at offset 3");
    EXPECT_FALSE(doc.wellFormed);
    ASSERT_EQ(doc.reader.Elements().size(), 3);
    EXPECT_EQ(doc.Record(2).start, 8);
    EXPECT_TRUE(doc.Record(1).Has(ElementRecord::kProblem));
}

TEST(XmlParseTest, OnlyTheFirstProblemIsRecorded) {
    ParsedDocument doc("<r><!x></q><a></r>");
    EXPECT_EQ(doc.Result(), "Incorrect ! tag at offset 3");
}

TEST(XmlParseTest, EndTagNamesMatchOpenElementsByTheirLeadingName) {
    EXPECT_TRUE(ParsedDocument("<a=b></a>").wellFormed);
    EXPECT_TRUE(ParsedDocument("<a x='1'></a >").wellFormed);
    EXPECT_EQ(ParsedDocument("<ab></a></ab>").Result(), "No start tag for end tag 'a' at offset 4");
    EXPECT_EQ(ParsedDocument("<a></ab></a>").Result(), "No start tag for end tag 'ab' at offset 3");
}

TEST(XmlParseTest, NamesAreCaseSensitiveUnlessTheFlagSaysOtherwise) {
    EXPECT_FALSE(ParsedDocument("<A></a>").wellFormed);
    ParsedDocument doc("<A></a>");
    doc.reader.SetFlags(XmlReader::kIgnoreCase);
    EXPECT_TRUE(doc.reader.Parse());
}

TEST(XmlParseTest, OtherNodesGetNoRecord) {
    ParsedDocument doc(
        "<?xml version='1.0'?><!DOCTYPE r [<!ENTITY e 'x>'>]><!-- <c> --><r><![CDATA[<d>]]></r>");
    EXPECT_TRUE(doc.wellFormed) << doc.Result();
    EXPECT_EQ(doc.reader.Elements().size(), 2);
}

TEST(XmlParseTest, LoadTextIsKeptBeforeTheParseText) {
    auto files = MakeNativeTextFiles();
    XmlReader reader(*files);
    ScratchFolder folder;
    ASSERT_TRUE(reader.LoadFile(folder.Write("a.xml", "<r/><s/>")));
    EXPECT_FALSE(reader.Parse());
    EXPECT_EQ(U8(reader.ResultText()), "UTF-8 length 8 to 8 wide chars  Root element has sibling");
    ASSERT_TRUE(reader.LoadFile(folder.Write("b.xml", "<r/>")));
    EXPECT_TRUE(reader.Parse());
    EXPECT_EQ(U8(reader.ResultText()), "UTF-8 length 4 to 4 wide chars ");
}

TEST(XmlParseTest, ReparseStartsFromAnEmptyTable) {
    ParsedDocument doc("<a><b/><c/></a>");
    doc.reader.SetDocumentText(u"<x/>");
    EXPECT_TRUE(doc.reader.Parse());
    EXPECT_EQ(doc.reader.Elements().size(), 2);
    EXPECT_EQ(doc.Record(1).firstChild, 0);
    EXPECT_EQ(doc.Result(), "");
}

TEST(XmlParseTest, DeepNestingNeedsNoRecursion) {
    std::string text;
    constexpr int kDepth = 100000;
    for (int i = 0; i < kDepth; ++i) {
        text += "<e>";
    }
    ParsedDocument doc(text);
    EXPECT_EQ(doc.reader.Elements().size(), kDepth + 1);
    EXPECT_EQ(doc.Result(), "Root element has sibling");
    // Every element ended up at the top level, one after the other.
    EXPECT_EQ(doc.Record(kDepth).parent, 0);
    EXPECT_EQ(doc.Record(kDepth - 1).nextSibling, kDepth);
    EXPECT_EQ(doc.Record(1).previousSibling, kDepth);
}

}  // namespace
}  // namespace q5::test

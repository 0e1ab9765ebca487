// Walking the element table: FindNextElement, FindNextChild, StepIntoChild,
// Rewind and the text of a leaf element.
#include <gtest/gtest.h>

#include "ReaderTestSupport.h"

namespace q5::test {
namespace {

std::string TextOf(std::string_view document, std::u16string_view name) {
    ParsedDocument doc(document);
    doc.reader.FindNextElement();
    if (!doc.reader.FindNextChild(name)) {
        return "<none>";
    }
    return U8(doc.reader.ChildText());
}

TEST(XmlNavigationTest, FindNextChildSelectsTheRootFirst) {
    ParsedDocument doc("<r><a/><b/><a/></r>");
    XmlReader& reader = doc.reader;
    EXPECT_TRUE(reader.FindNextChild(u"a"));
    EXPECT_EQ(reader.ParentPosition(), 0);
    EXPECT_EQ(reader.CurrentPosition(), 1);
    EXPECT_EQ(reader.ChildPosition(), 2);
    EXPECT_EQ(reader.NodeKind(), XmlReader::kElementNode);
    EXPECT_TRUE(reader.FindNextChild(u"a"));
    EXPECT_EQ(reader.ChildPosition(), 4);
    EXPECT_FALSE(reader.FindNextChild(u"a"));
    EXPECT_EQ(reader.ChildPosition(), 4);  // unchanged on failure
}

TEST(XmlNavigationTest, EmptyNameMatchesAnyElement) {
    ParsedDocument doc("<r><a/><b/></r>");
    EXPECT_TRUE(doc.reader.FindNextChild());
    EXPECT_EQ(doc.reader.ChildPosition(), 2);
    EXPECT_TRUE(doc.reader.FindNextChild(u""));
    EXPECT_EQ(doc.reader.ChildPosition(), 3);
    EXPECT_FALSE(doc.reader.FindNextChild());
}

TEST(XmlNavigationTest, FindNextElementWalksTheSiblingsOfTheParentPosition) {
    ParsedDocument doc("<r/><s/><r/>");
    XmlReader& reader = doc.reader;
    EXPECT_TRUE(reader.FindNextElement(u"r"));
    EXPECT_EQ(reader.CurrentPosition(), 1);
    EXPECT_TRUE(reader.FindNextElement(u"r"));
    EXPECT_EQ(reader.CurrentPosition(), 3);
    EXPECT_EQ(reader.ParentPosition(), 0);
    EXPECT_FALSE(reader.FindNextElement(u"s"));
    EXPECT_EQ(reader.CurrentPosition(), 3);
}

TEST(XmlNavigationTest, StepIntoChildDescendsOneLevel) {
    ParsedDocument doc("<r><c><k>v</k></c></r>");
    XmlReader& reader = doc.reader;
    EXPECT_FALSE(reader.StepIntoChild());  // nothing selected yet
    ASSERT_TRUE(reader.FindNextChild(u"c"));
    ASSERT_TRUE(reader.StepIntoChild());
    EXPECT_EQ(reader.ParentPosition(), 1);
    EXPECT_EQ(reader.CurrentPosition(), 2);
    EXPECT_EQ(reader.ChildPosition(), 0);
    ASSERT_TRUE(reader.FindNextChild(u"k"));
    EXPECT_EQ(U8(reader.ChildText()), "v");
    // Stepping into a missing child leaves no current element.
    ASSERT_TRUE(reader.StepIntoChild());
    ASSERT_TRUE(reader.StepIntoChild());
    EXPECT_EQ(reader.CurrentPosition(), 0);
    EXPECT_EQ(reader.NodeKind(), XmlReader::kNoNode);
    EXPECT_FALSE(reader.StepIntoChild());
}

TEST(XmlNavigationTest, RewindClearsThePosition) {
    ParsedDocument doc("<r><c/></r>");
    ASSERT_TRUE(doc.reader.FindNextChild(u"c"));
    doc.reader.Rewind();
    EXPECT_EQ(doc.reader.ParentPosition(), 0);
    EXPECT_EQ(doc.reader.CurrentPosition(), 0);
    EXPECT_EQ(doc.reader.ChildPosition(), 0);
    EXPECT_EQ(doc.reader.NodeKind(), XmlReader::kNoNode);
    EXPECT_EQ(U8(doc.reader.ChildText()), "");
}

TEST(XmlNavigationTest, NamesMatchByTheirLeadingToken) {
    EXPECT_EQ(TextOf("<r><configs>1</configs><conf>2</conf><config>3</config></r>", u"config"),
              "3");
    EXPECT_EQ(TextOf("<r><a=b>x</a=b></r>", u"a"), "x");
    EXPECT_EQ(TextOf("<r><k>x</k></r>", u"k=1"), "x");
    EXPECT_EQ(TextOf("<r><K>x</K></r>", u"k"), "<none>");
}

TEST(XmlNavigationTest, TextKeepsWhitespaceAndResolvesReferences) {
    EXPECT_EQ(TextOf("<r><k> OK </k></r>", u"k"), " OK ");
    EXPECT_EQ(TextOf("<r><k>A &amp; B</k></r>", u"k"), "A & B");
    EXPECT_EQ(TextOf("<r><k>x &amp; y</k></r>", u"k"), "x & y");
    EXPECT_EQ(TextOf("<r><k>&amp</k></r>", u"k"), "&amp");
    EXPECT_EQ(TextOf("<r><k>&lt</k></r>", u"k"), "&lt");
    EXPECT_EQ(TextOf("<r><k>a\r\nb</k></r>", u"k"), "a\r\nb");
}

TEST(XmlNavigationTest, TextWithMarkupTakesTextNodesAndCData) {
    EXPECT_EQ(TextOf("<r><a> <!-- c --> v <![CDATA[<x>&amp;]]></a></r>", u"a"), " v <x>&amp;");
    EXPECT_EQ(TextOf("<r><a>x<?p?>y&lt;</a></r>", u"a"), "xy<");
    EXPECT_EQ(TextOf("<r><a> v </a></r>", u"a"), " v ");
}

TEST(XmlNavigationTest, ElementsWithoutTextOfTheirOwnGiveEmptyText) {
    EXPECT_EQ(TextOf("<r><a><b/>t</a></r>", u"a"), "");
    EXPECT_EQ(TextOf("<r><a/></r>", u"a"), "");
    EXPECT_EQ(TextOf("<r><a></a></r>", u"a"), "");
    // Never ended: closed just after its start tag.
    EXPECT_EQ(TextOf("<r><a>t</r>", u"a"), "");
    EXPECT_EQ(TextOf("<r><a b=1/>t</a></r>", u"a"), "t");
}

TEST(XmlNavigationTest, FirstOfTwoElementsWithTheSameNameWins) {
    EXPECT_EQ(TextOf("<r><k>1</k><k>2</k></r>", u"k"), "1");
}

TEST(XmlNavigationTest, ElementsAfterRecoveryStayReachable) {
    // b is moved up beside a when a is closed by </r>.
    ParsedDocument doc("<r><a><b>t</b></r>");
    ASSERT_TRUE(doc.reader.FindNextChild(u"b"));
    EXPECT_EQ(doc.reader.CurrentPosition(), 1);
    EXPECT_EQ(U8(doc.reader.ChildText()), "t");
}

TEST(XmlNavigationTest, OverlongEndTagGivesNoText) {
    std::string document = "<r><k>t</k";
    document.append(1100, ' ');
    document += "></r>";
    ParsedDocument doc(document);
    EXPECT_FALSE(doc.wellFormed);
    ASSERT_TRUE(doc.reader.FindNextChild(u"k"));
    EXPECT_EQ(U8(doc.reader.ChildText()), "");
}

}  // namespace
}  // namespace q5::test

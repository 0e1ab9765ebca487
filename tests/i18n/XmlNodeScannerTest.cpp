// The node scanner: node kinds, where each node ends, quoting and the empty
// tag rule, and the problems of malformed and cut-off markup.
#include <gtest/gtest.h>

#include <vector>

#include "ReaderTestSupport.h"
#include "i18n/XmlNodeScanner.h"

namespace q5::test {
namespace {

struct ScannedNode {
    NodeKind kind;
    std::string text;
    std::uint32_t flags;
    std::string name;
    std::string problem;
};

std::vector<ScannedNode> ScanAll(std::u16string_view text) {
    XmlNodeScanner scanner(text);
    std::vector<ScannedNode> nodes;
    XmlNode node;
    std::size_t offset = 0;
    do {
        const std::size_t next = scanner.Scan(offset, node);
        EXPECT_EQ(next, static_cast<std::size_t>(node.end()));
        nodes.push_back({node.kind, U8(text.substr(node.start, node.length)), node.flags,
                         U8(node.name), U8(NodeProblemText(node))});
        offset = next;
    } while (node.kind != NodeKind::kEndOfDocument);
    return nodes;
}

ScannedNode First(std::u16string_view text) {
    return ScanAll(text).front();
}

TEST(XmlNodeScannerTest, SplitsADocumentIntoNodesInOrder) {
    const auto nodes =
        ScanAll(u"<?xml v='1'?>\r\n<!DOCTYPE r><r a=\"1\">t <![CDATA[c]]><!--x--></r>");
    const std::vector<NodeKind> kinds = {NodeKind::kProcessingInstruction,
                                         NodeKind::kWhitespace,
                                         NodeKind::kDocumentType,
                                         NodeKind::kStartTag,
                                         NodeKind::kText,
                                         NodeKind::kCData,
                                         NodeKind::kComment,
                                         NodeKind::kEndTag,
                                         NodeKind::kEndOfDocument};
    ASSERT_EQ(nodes.size(), kinds.size());
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        EXPECT_EQ(nodes[i].kind, kinds[i]) << i;
    }
    EXPECT_EQ(nodes[0].name, "xml");
    EXPECT_EQ(nodes[1].text, "\r\n");
    EXPECT_EQ(nodes[3].text, "<r a=\"1\">");
    EXPECT_EQ(nodes[3].name, "r");
    EXPECT_EQ(nodes[4].text, "t ");
    EXPECT_EQ(nodes[5].text, "<![CDATA[c]]>");
    EXPECT_EQ(nodes[7].name, "r");
    EXPECT_EQ(nodes[8].text, "");
}

TEST(XmlNodeScannerTest, TextEndsBeforeALessThanOrAtAGreaterThan) {
    const auto nodes = ScanAll(u"a>b<x/>");
    ASSERT_EQ(nodes.size(), 4u);
    EXPECT_EQ(nodes[0].kind, NodeKind::kText);
    EXPECT_EQ(nodes[0].text, "a>");
    EXPECT_EQ(nodes[1].kind, NodeKind::kText);
    EXPECT_EQ(nodes[1].text, "b");
}

TEST(XmlNodeScannerTest, WhitespaceOnlyBeforeATagOrTheEnd) {
    EXPECT_EQ(First(u" \t\r\n<a/>").kind, NodeKind::kWhitespace);
    EXPECT_EQ(First(u"  ").kind, NodeKind::kWhitespace);
    EXPECT_EQ(First(u"  x<a/>").kind, NodeKind::kText);
    EXPECT_EQ(First(u"  >").kind, NodeKind::kText);
    EXPECT_EQ(First(u"\u00A0<a/>").kind, NodeKind::kText);
}

TEST(XmlNodeScannerTest, EmptyTagRule) {
    EXPECT_EQ(First(u"<a/>").flags, XmlNode::kEmptyElement);
    EXPECT_EQ(First(u"<a />").flags, XmlNode::kEmptyElement);
    EXPECT_EQ(First(u"<a b='1'/>").flags, XmlNode::kEmptyElement);
    EXPECT_EQ(First(u"<a b=\"1\"/>").flags, XmlNode::kEmptyElement);
    EXPECT_EQ(First(u"<a b=1/>").flags, 0u);
    EXPECT_EQ(First(u"<a b/>").flags, 0u);
    EXPECT_EQ(First(u"<a>").flags, 0u);
}

TEST(XmlNodeScannerTest, GreaterThanInsideAQuotedValueDoesNotEndTheTag) {
    EXPECT_EQ(First(u"<a b='x>y' c = \"p>q\">z").text, "<a b='x>y' c = \"p>q\">");
    // A quote that does not follow '=' is an ordinary character.
    EXPECT_EQ(First(u"<a b'>c'>").text, "<a b'>");
    // An unquoted value does not protect '>'.
    EXPECT_EQ(First(u"<a b=x>y'>").text, "<a b=x>");
}

TEST(XmlNodeScannerTest, StartTagNamesEndBeforeWhitespaceSlashOrGreaterThan) {
    EXPECT_EQ(First(u"<a=b>").name, "a=b");
    EXPECT_EQ(First(u"<ns:a\tx='1'>").name, "ns:a");
    EXPECT_EQ(First(u"<_a/>").name, "_a");
    EXPECT_EQ(First(u"<\u00E9t\u00E9>").name, "\u00E9t\u00E9");
    EXPECT_EQ(First(u"<{x>").kind, NodeKind::kStartTag);
}

TEST(XmlNodeScannerTest, EndTagEndsAtTheNextGreaterThan) {
    const auto node = First(u"</a  x='>'>");
    EXPECT_EQ(node.kind, NodeKind::kEndTag);
    EXPECT_EQ(node.name, "a");
    EXPECT_EQ(node.text, "</a  x='>");
}

TEST(XmlNodeScannerTest, MultiCharacterTerminatorsAreCheckedAtEachGreaterThan) {
    EXPECT_EQ(First(u"<!-- a > b -- > -->x").text, "<!-- a > b -- > -->");
    EXPECT_EQ(First(u"<![CDATA[ ]> ]]>x").text, "<![CDATA[ ]> ]]>");
    EXPECT_EQ(First(u"<?pi a > b ?>x").text, "<?pi a > b ?>");
    EXPECT_EQ(First(u"<?pi a > b ?>x").name, "pi");
}

TEST(XmlNodeScannerTest, DocumentTypeSkipsNestedMarkup) {
    const std::u16string_view text =
        u"<!DOCTYPE r [<!ENTITY e \"a>b\"><!-- > --><?p > ?><!x >]>tail";
    const auto node = First(text);
    EXPECT_EQ(node.kind, NodeKind::kDocumentType);
    EXPECT_EQ(node.text, U8(text.substr(0, text.size() - 4)));
    EXPECT_EQ(First(u"<!ELEMENT a 'b>c'>d").text, "<!ELEMENT a 'b>c'>");
    EXPECT_EQ(First(u"<!ATTLIST a>").kind, NodeKind::kDocumentType);
    EXPECT_EQ(First(u"<!NOTATION a>").kind, NodeKind::kDocumentType);
}

TEST(XmlNodeScannerTest, MalformedMarkupMessages) {
    const auto bad = First(u"<1a b='>'>c");
    EXPECT_EQ(bad.kind, NodeKind::kMalformed);
    EXPECT_EQ(bad.problem, "Incorrect tag name character at offset 0");
    EXPECT_EQ(bad.text, "<1a b='>'>");
    EXPECT_EQ(First(u"<!-x>").problem, "Incorrect comment tag at offset 0");
    EXPECT_EQ(First(u"<![D>").problem, "Incorrect tag at offset 0");
    EXPECT_EQ(First(u"<!x>").problem, "Incorrect ! tag at offset 0");
    EXPECT_EQ(First(u"< a>").problem, "Incorrect tag name character at offset 0");
    // A malformed stretch ends just before the next '<'.
    const auto nodes = ScanAll(u"<=<a/>");
    EXPECT_EQ(nodes[0].text, "<=");
    EXPECT_EQ(nodes[1].kind, NodeKind::kStartTag);
}

TEST(XmlNodeScannerTest, UnterminatedNodeMessages) {
    EXPECT_EQ(First(u"<a b='x").problem, "Element tag at offset 0 unterminated");
    EXPECT_EQ(First(u"<a").problem, "Element tag at offset 0 unterminated");
    EXPECT_EQ(First(u"</a").problem, "Element end tag at offset 0 unterminated");
    EXPECT_EQ(First(u"<![CDATA[x]]").problem, "CDATA Section at offset 0 unterminated");
    EXPECT_EQ(First(u"<?x ?").problem, "Processing instruction at offset 0 unterminated");
    EXPECT_EQ(First(u"<!-- x --").problem, "Comment at offset 0 unterminated");
    EXPECT_EQ(First(u"<!DOCTYPE x").problem, "Doctype at offset 0 unterminated");
    EXPECT_EQ(First(u"<!DOCTYPE x [<!-- >]>").problem, "Doctype at offset 0 unterminated");
    EXPECT_EQ(First(u"<!ENTITY x '>").problem, "Doctype at offset 0 unterminated");
    EXPECT_EQ(First(u"<").problem, "tag at offset 0 unterminated");
    EXPECT_EQ(First(u"<!").problem, "tag at offset 0 unterminated");
    // The cut-off message replaces the malformed one of the same node.
    EXPECT_EQ(First(u"<1a 'x").problem, "tag at offset 0 unterminated");
    const auto cut = First(u"<a b='x");
    EXPECT_EQ(cut.kind, NodeKind::kMalformed);
    EXPECT_EQ(cut.text, "<a b='x");
}

TEST(XmlNodeScannerTest, OffsetsInMessagesAreThoseOfTheLessThan) {
    const auto nodes = ScanAll(u"ab<1>");
    EXPECT_EQ(nodes[1].problem, "Incorrect tag name character at offset 2");
}

TEST(XmlNodeScannerTest, ReadNameStopsAtMoreCharactersThanTheTagNameRule) {
    EXPECT_EQ(U8(ReadName(u"<a=b>", 0)), "a");
    EXPECT_EQ(U8(ReadName(u"< \n config attr='1'>", 0)), "config");
    EXPECT_EQ(U8(ReadName(u"<a;b>", 0)), "a");
    EXPECT_EQ(U8(ReadName(u"<=x>", 0)), "=");
    EXPECT_EQ(U8(ReadName(u"<", 0)), "");
}

TEST(XmlNodeScannerTest, TokenMatchingNeedsTheWholeTokenAndAQueryEnd) {
    EXPECT_TRUE(TokenMatches(u"config", u"config", false));
    EXPECT_FALSE(TokenMatches(u"configs", u"config", false));
    EXPECT_FALSE(TokenMatches(u"conf", u"config", false));
    for (std::u16string_view query :
         {u"config x", u"config=1", u"config/", u"config[", u"config]"}) {
        EXPECT_TRUE(TokenMatches(u"config", query, false)) << U8(query);
    }
    EXPECT_FALSE(TokenMatches(u"config", u"config-x", false));
    EXPECT_FALSE(TokenMatches(u"Config", u"config", false));
    EXPECT_TRUE(TokenMatches(u"Config", u"cONFIG", true));
    EXPECT_FALSE(TokenMatches(u"\u00C9", u"\u00E9", true));
}

}  // namespace
}  // namespace q5::test

namespace q5::test {
namespace {

TEST(XmlNodeScannerTest, NameMatchingInOnePassAgreesWithTokenMatching) {
    const std::u16string_view texts[] = {u"<config>", u"<configs>", u"<conf>",   u"< \tconfig a>",
                                         u"<a=b>",    u"<=>",       u"<",        u"<CONFIG/>",
                                         u"<c",       u"<config",   u"<\u00E9>", u"<x;y>"};
    const std::u16string_view queries[] = {u"config", u"conf", u"configs", u"config=1", u"a",
                                           u"=",      u"",     u"CONFIG",  u"c",        u"\u00E9"};
    for (auto text : texts) {
        for (auto query : queries) {
            for (bool ignoreCase : {false, true}) {
                EXPECT_EQ(NameMatchesAt(text, 0, query, ignoreCase),
                          TokenMatches(ReadName(text, 0), query, ignoreCase))
                    << U8(text) << " " << U8(query) << " " << ignoreCase;
            }
        }
    }
}

}  // namespace
}  // namespace q5::test

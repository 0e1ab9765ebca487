// Character references: numeric, named (HTML 4.01 and apos) with their case
// rules, and everything that stays literal.
#include <gtest/gtest.h>

#include "ReaderTestSupport.h"
#include "i18n/CharacterReferences.h"

namespace q5::test {
namespace {

std::u16string Resolve(std::u16string_view text) {
    std::u16string out;
    AppendResolved(text, out);
    return out;
}

TEST(CharacterReferencesTest, NumericReferences) {
    EXPECT_EQ(Resolve(u"&#x41;&#X41;&#65;"), u"AAA");
    EXPECT_EQ(Resolve(u"&#x1F600;"), u"\U0001F600");
    EXPECT_EQ(Resolve(u"&#xFFFF;"), u"\uFFFF");
    EXPECT_EQ(Resolve(u"&#x10FFFF;"), u"\U0010FFFF");
    // Read like wcstol: digits up to the first other character.
    EXPECT_EQ(Resolve(u"&#65x;"), u"A");
    EXPECT_EQ(Resolve(u"&#x41g;"), u"A");
    EXPECT_EQ(Resolve(u"&#x0x41;"), u"A");
    EXPECT_EQ(Resolve(u"&# 65;"), u"A");
}

TEST(CharacterReferencesTest, NumericReferencesThatStayLiteral) {
    EXPECT_EQ(Resolve(u"&#0;"), u"&#0;");
    EXPECT_EQ(Resolve(u"&#;"), u"&#;");
    EXPECT_EQ(Resolve(u"&#x;"), u"&#x;");
    EXPECT_EQ(Resolve(u"&#-65;"), u"&#-65;");
    EXPECT_EQ(Resolve(u"&#x110000;"), u"&#x110000;");
    EXPECT_EQ(Resolve(u"&#99999999;"), u"&#99999999;");
    EXPECT_EQ(Resolve(u"&#xFFFFFFFF;"), u"&#xFFFFFFFF;");
    // Half of a surrogate pair is never produced.
    EXPECT_EQ(Resolve(u"&#xD800;&#xDFFF;"), u"&#xD800;&#xDFFF;");
}

TEST(CharacterReferencesTest, NamedReferences) {
    EXPECT_EQ(Resolve(u"&amp;&lt;&gt;&quot;&apos;"), u"&<>\"'");
    EXPECT_EQ(Resolve(u"&nbsp;&copy;&eacute;&euro;"), u"\u00A0\u00A9\u00E9\u20AC");
    EXPECT_EQ(Resolve(u"&thetasym;&zwnj;&yuml;&Yuml;"), u"\u03D1\u200C\u00FF\u0178");
}

TEST(CharacterReferencesTest, CaseRules) {
    EXPECT_EQ(Resolve(u"&eacute;"), u"\u00E9");
    EXPECT_EQ(Resolve(u"&Eacute;"), u"\u00C9");
    EXPECT_EQ(Resolve(u"&EACUTE;"), u"\u00C9");
    EXPECT_EQ(Resolve(u"&eAcute;"), u"\u00C9");
    EXPECT_EQ(Resolve(u"&AMP;"), u"&");
    EXPECT_EQ(Resolve(u"&dagger;&Dagger;&DAGGER;"), u"\u2020\u2021\u2021");
    EXPECT_EQ(Resolve(u"&larr;&lArr;&LARR;"), u"\u2190\u21D0\u21D0");
    EXPECT_EQ(Resolve(u"&#X41;"), u"A");
}

TEST(CharacterReferencesTest, ReferencesThatStayLiteral) {
    EXPECT_EQ(Resolve(u"&foo;"), u"&foo;");
    EXPECT_EQ(Resolve(u"&amp"), u"&amp");
    EXPECT_EQ(Resolve(u"&;"), u"&;");
    EXPECT_EQ(Resolve(u"& amp;"), u"& amp;");
    EXPECT_EQ(Resolve(u"&\u00E9;"), u"&\u00E9;");
    EXPECT_EQ(Resolve(u"&"), u"&");
    // At most nine name characters before the ';'.
    EXPECT_EQ(Resolve(u"&#00000065;"), u"A");
    EXPECT_EQ(Resolve(u"&#000000065;"), u"&#000000065;");
    // A failed '&' is copied and the search goes on right after it.
    EXPECT_EQ(Resolve(u"&&amp;"), u"&&");
    EXPECT_EQ(Resolve(u"a&b&lt;c"), u"a&b<c");
}

TEST(CharacterReferencesTest, NeverReadsBeyondTheText) {
    const std::u16string text = u"&lt;";
    char32_t value = 0;
    EXPECT_EQ(ResolveReference(std::u16string_view(text).substr(0, 3), 0, value), 0u);
    EXPECT_EQ(ResolveReference(text, 0, value), 4u);
    EXPECT_EQ(value, U'<');
}

}  // namespace
}  // namespace q5::test

#include "i18n/Unicode.h"

#include <gtest/gtest.h>

namespace q5 {
namespace {

TEST(Unicode, RoundTripsEveryPlane) {
    const std::u16string text = u"A\u00e9\u4e2d\U0001F600z";
    const std::string utf8 = Utf16ToUtf8(text);
    EXPECT_EQ(utf8, "A\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80z");
    EXPECT_EQ(Utf8ToUtf16(utf8), text);
}

TEST(Unicode, UnpairedSurrogatesBecomeReplacementCharacters) {
    const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00, 0};
    EXPECT_EQ(Utf16ToUtf8(lone),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
    const char16_t trailingHigh[] = {u'x', 0xDBFF, 0};
    EXPECT_EQ(Utf16ToUtf8(trailingHigh), "x\xEF\xBF\xBD");
}

TEST(Unicode, MalformedUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToUtf16("\xC3"), u"\uFFFD");                                // truncated
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");                      // overlong
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");            // encoded surrogate
    EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // above U+10FFFF
    EXPECT_EQ(Utf8ToUtf16("a\x80"
                          "b"),
              u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xE4\xB8"
                          "A"),
              u"\uFFFD\uFFFDA");
}

}  // namespace
}  // namespace q5

#include <gtest/gtest.h>

#include "ui/TrayTip.h"

namespace q5 {
namespace {

TEST(TrayTip, ShortTextIsKept) {
    EXPECT_EQ(u"Korvo Q5", CutTrayTip(u"Korvo Q5"));
    EXPECT_EQ(u"", CutTrayTip(u""));
}

TEST(TrayTip, ExactlyFullTextIsKept) {
    const std::u16string text(127, u'x');
    EXPECT_EQ(text, CutTrayTip(text));
}

TEST(TrayTip, LongTextKeepsItsFirst127Characters) {
    std::u16string text(126, u'a');
    text += u"bcd";
    EXPECT_EQ(std::u16string(126, u'a') + u"b", CutTrayTip(text));
}

TEST(TrayTip, SurrogatePairAtTheCutIsLeftOutWhole) {
    std::u16string text(126, u'a');
    text += u"\U0001F5B1tail";  // the pair occupies units 126 and 127
    EXPECT_EQ(std::u16string(126, u'a'), CutTrayTip(text));
}

TEST(TrayTip, SurrogatePairBeforeTheCutIsKept) {
    std::u16string text(125, u'a');
    text += u"\U0001F5B1tail";
    EXPECT_EQ(127u, CutTrayTip(text).size());
    EXPECT_EQ(u'\xDDB1', CutTrayTip(text).back());
}

TEST(TrayTip, MenuShowsThenExits) {
    EXPECT_EQ(1u, kTrayMenuEntries[0].commandId);
    EXPECT_EQ(143, kTrayMenuEntries[0].icon);
    EXPECT_EQ(145, kTrayMenuEntries[0].highlightedIcon);
    EXPECT_EQ("tc_config", kTrayMenuEntries[0].textKey);
    EXPECT_EQ(2u, kTrayMenuEntries[1].commandId);
    EXPECT_EQ(146, kTrayMenuEntries[1].icon);
    EXPECT_EQ(142, kTrayMenuEntries[1].highlightedIcon);
    EXPECT_EQ("tc_exit", kTrayMenuEntries[1].textKey);
}

}  // namespace
}  // namespace q5

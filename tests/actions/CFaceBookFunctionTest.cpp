#include "actions/CFaceBookFunction.h"

#include <gmock/gmock.h>

#include "DesktopFixture.h"
#include "actions/SystemFunctions.h"

namespace q5 {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class CFaceBookFunctionTest : public DesktopFixture {
protected:
    SystemFunctions system{desk.platform()};
    CFaceBookFunction social{desk.platform(), system};
};

TEST_F(CFaceBookFunctionTest, PagesOpenThroughTheShell) {
    for (const auto code :
         {ActionCode::SocialHome, ActionCode::SocialMessages, ActionCode::SocialMessagesAgain,
          ActionCode::SocialNotes, ActionCode::SocialEvents, ActionCode::SocialMessageMedia,
          ActionCode::SocialMedia}) {
        social.OpenSocialPage(code);
    }
    EXPECT_THAT(Lines(), ElementsAre("shell open http://www.facebook.com/",
                                     "shell open http://www.facebook.com/?sk=messages",
                                     "shell open http://www.facebook.com/?sk=messages",
                                     "shell open http://www.facebook.com/notes/",
                                     "shell open http://www.facebook.com/?sk=events&ap=1",
                                     "shell open http://www.facebook.com/?sk=messages#!/?sk=media",
                                     "shell open http://www.facebook.com/?sk=media"));
}

TEST_F(CFaceBookFunctionTest, OtherCodesOpenNoPage) {
    social.OpenSocialPage(ActionCode::SocialZoomInWindow);
    social.OpenSocialPage(ActionCode::None);
    EXPECT_THAT(Lines(), IsEmpty());
    EXPECT_EQ(SocialPageOfCode(ActionCode::LeftClick), u"");
}

TEST_F(CFaceBookFunctionTest, WithoutPluginEntriesDoNothing) {
    desk.windows.SetForeground(TopLevel(u"Browser"));
    const std::size_t readsBefore = desk.windows.ForegroundReads();
    social.CallSocialEntry("OpenAllFriend");
    // The foreground window is read even though nobody receives it.
    EXPECT_EQ(desk.windows.ForegroundReads(), readsBefore + 1);
    EXPECT_THAT(Lines(), IsEmpty());
    EXPECT_THAT(desk.modules.Lookups(), IsEmpty());
    EXPECT_THAT(desk.modules.EntryCalls(), IsEmpty());
}

TEST_F(CFaceBookFunctionTest, PluginEntryIsLookedUpEveryTimeAndCalledWithTheForegroundWindow) {
    const WindowHandle first = TopLevel(u"Browser");
    const WindowHandle second = TopLevel(u"Other");
    social.UsePlugin(desk.modules.AddModule({"OpenAllFriend", "OpenAllNotify"}));
    desk.windows.SetForeground(first);
    const std::size_t readsBefore = desk.windows.ForegroundReads();
    social.CallSocialEntry("OpenAllFriend");
    desk.windows.SetForeground(second);
    social.CallSocialEntry("OpenAllNotify");
    EXPECT_EQ(desk.windows.ForegroundReads(), readsBefore + 2);
    EXPECT_THAT(desk.modules.Lookups(), ElementsAre("OpenAllFriend", "OpenAllNotify"));
    EXPECT_THAT(desk.modules.EntryCalls(),
                ElementsAre(sim::EntryCallRecord{"OpenAllFriend", first},
                            sim::EntryCallRecord{"OpenAllNotify", second}));
}

TEST_F(CFaceBookFunctionTest, MissingEntryCallsNothingNotEvenTheEntryBefore) {
    const WindowHandle browser = TopLevel(u"Browser");
    social.UsePlugin(desk.modules.AddModule({"OpenAllFriend"}));
    desk.windows.SetForeground(browser);
    social.CallSocialEntry("OpenAllFriend");
    social.CallSocialEntry("OpenFriendAlign");
    EXPECT_THAT(desk.modules.Lookups(), ElementsAre("OpenAllFriend", "OpenFriendAlign"));
    EXPECT_THAT(desk.modules.EntryCalls(),
                ElementsAre(sim::EntryCallRecord{"OpenAllFriend", browser}));
}

}  // namespace
}  // namespace q5

#include "actions/SocialActions.h"

namespace q5 {
namespace {

struct SocialEntry {
    ActionCode code;
    std::string_view name;
};

constexpr SocialEntry kEntries[] = {
    {ActionCode::SocialZoomOutWindow, "OpenZoomOutWindow"},
    {ActionCode::SocialZoomInWindow, "OpenZoomInWindow"},
    {ActionCode::SocialSearchFriend, "OpenSearchFriend"},
    {ActionCode::SocialAllFriends, "OpenAllFriend"},
    {ActionCode::SocialAllMessages, "OpenAllMessage"},
    {ActionCode::SocialAllNotifications, "OpenAllNotify"},
    {ActionCode::SocialFriendAlign, "OpenFriendAlign"},
};

// The social network's public web site; every page is a path on it.
constexpr std::u16string_view kSocialSiteHost = u"http://www.facebook.com";

struct SocialPage {
    ActionCode code;
    std::u16string_view path;
};

constexpr SocialPage kPages[] = {
    {ActionCode::SocialHome, u"/"},
    {ActionCode::SocialMessages, u"/?sk=messages"},
    {ActionCode::SocialMessagesAgain, u"/?sk=messages"},
    {ActionCode::SocialNotes, u"/notes/"},
    {ActionCode::SocialEvents, u"/?sk=events&ap=1"},
    {ActionCode::SocialMessageMedia, u"/?sk=messages#!/?sk=media"},
    {ActionCode::SocialMedia, u"/?sk=media"},
};

}  // namespace

std::u16string SocialPageOfCode(ActionCode code) {
    for (const auto& page : kPages) {
        if (page.code == code) {
            return std::u16string(kSocialSiteHost) + std::u16string(page.path);
        }
    }
    return {};
}

std::string_view SocialEntryOfCode(ActionCode code) {
    for (const auto& entry : kEntries) {
        if (entry.code == code) {
            return entry.name;
        }
    }
    return {};
}

}  // namespace q5

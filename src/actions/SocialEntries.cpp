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

}  // namespace

std::string_view SocialEntryOfCode(ActionCode code) {
    for (const auto& entry : kEntries) {
        if (entry.code == code) {
            return entry.name;
        }
    }
    return {};
}

}  // namespace q5

#include "model/ActionCodeTable.h"

#include <algorithm>

namespace q5 {
namespace {

using enum ActionCode;
using M = MenuGroup;
using P = Performer;

constexpr ActionCodeInfo kCodes[] = {
    {None, "", "", M::None, "", P::Nothing},
    {LeftClick, "tc_click", "", M::Mouse, "", P::Input},
    {RightClick, "tc_menu", "", M::Mouse, "", P::Input},
    {MiddleClick, "tc_middle", "", M::Mouse, "", P::Input},
    {Forward, "tc_forward", "tc_kbmedia_forword", M::Mouse, "", P::Input},
    {Back, "tc_back", "tc_kbmedia_back", M::Mouse, "", P::Input},
    {Flip3D, "tc_flip_3d", "", M::TopLevel, "", P::Input},
    {ScrollUp, "tc_scrollup", "", M::Mouse, "", P::Input},
    {ScrollDown, "tc_scrolldw", "", M::Mouse, "", P::Input},
    {ScrollLeft, "tc_scrolllt", "", M::Mouse, "", P::Scroll},
    {ScrollRight, "tc_scrollrt", "", M::Mouse, "", P::Scroll},
    {DoubleClick, "", "", M::None, "", P::Input},
    {CombinationKeys, "", "", M::TopLevel, "tc_combokey", P::Combination},
    {Macro, "", "", M::TopLevel, "tc_mac_def", P::Macro},
    {KeyDisabled, "tc_key_off", "", M::TopLevel, "", P::Nothing},
    {AdvancedHeading, "", "", M::TopLevel, "tc_advance", P::Heading},
    {BasicHeading, "", "", M::TopLevel, "tc_base_fun", P::Heading},
    {MediaHeading, "", "", M::TopLevel, "tc_media", P::Heading},
    {RunProgram, "", "", M::None, "", P::System},
    {MouseHeading, "", "", M::TopLevel, "tc_mouse_fun", P::Heading},
    {Windows8Heading, "", "", M::TopLevel, "tc_win8", P::Heading},
    {Win8StartScreen, "tc_win8_desktop", "", M::Windows8, "", P::Input},
    {Win8AllApps, "tc_win8_allapp", "", M::Windows8, "", P::Input},
    {Win8ZoomIn, "tc_win8_zoomin", "", M::Windows8, "", P::Input},
    {Win8ZoomOut, "tc_win8_zoomout", "", M::Windows8, "", P::Input},
    {Win8Charms, "tc_win8_charms", "", M::Windows8, "", P::Input},
    {OpenWord, "", "", M::None, "", P::System},
    {OpenExcel, "", "", M::None, "", P::System},
    {OpenPowerPoint, "", "", M::None, "", P::System},
    {Cut, "tc_cut", "", M::Basic, "", P::Input},
    {Copy, "tc_copy", "", M::Basic, "", P::Input},
    {Paste, "tc_past", "", M::Basic, "", P::Input},
    {SelectAll, "tc_all", "", M::Basic, "", P::Input},
    {New, "tc_new", "", M::Basic, "", P::Input},
    {Print, "tc_print", "", M::Basic, "", P::Input},
    {Save, "tc_save", "", M::Basic, "", P::Input},
    {Delete, "", "", M::None, "", P::Input},
    {SwitchWindow, "tc_swap", "", M::Advanced, "", P::Input},
    {CloseWindow, "tc_close", "", M::Advanced, "", P::Input},
    {LockWorkstation, "tc_lock", "", M::Advanced, "", P::System},
    {FileExplorer, "tc_explor", "", M::Advanced, "", P::Input},
    {RunDialog, "tc_run", "", M::Advanced, "", P::Input},
    {ShowDesktop, "tc_show", "", M::Advanced, "", P::Input},
    {ZoomIn, "tc_zoomin", "", M::Advanced, "", P::Scroll},
    {ZoomOut, "tc_zoomout", "", M::Advanced, "", P::Scroll},
    {RestoreWindow, "tc_max_win", "", M::Advanced, "", P::System},
    {MinimiseWindow, "tc_min_win", "", M::Advanced, "", P::System},
    {Search, "tc_kbmedia_search", "", M::Basic, "", P::Input},
    {PlayPause, "tc_PL", "", M::Media, "", P::Media},
    {PreviousTrack, "tc_kbmedia_pre", "", M::Media, "", P::Media},
    {NextTrack, "tc_kbmedia_next", "", M::Media, "", P::Media},
    {Stop, "tc_stop", "", M::Media, "", P::Media},
    {Mute, "tc_mute", "", M::Media, "", P::Input},
    {VolumeUp, "tc_vol_up", "", M::Media, "", P::Input},
    {VolumeDown, "tc_vol_dw", "", M::Media, "", P::Input},
    {SocialHome, "", "", M::None, "", P::Social},
    {SocialZoomOutWindow, "", "", M::None, "", P::Social},
    {SocialZoomInWindow, "", "", M::None, "", P::Social},
    {SocialSearchFriend, "", "", M::None, "", P::Social},
    {SocialAllFriends, "", "", M::None, "", P::Social},
    {SocialMessages, "", "", M::None, "", P::Social},
    {SocialAllMessages, "", "", M::None, "", P::Social},
    {SocialAllNotifications, "", "", M::None, "", P::Social},
    {SocialFriendAlign, "", "", M::None, "", P::Social},
    {SocialNotes, "", "", M::None, "", P::Social},
    {SocialMessagesAgain, "", "", M::None, "", P::Social},
    {SocialEvents, "", "", M::None, "", P::Social},
    {SocialMessageMedia, "", "", M::None, "", P::Social},
    {SocialMedia, "", "", M::None, "", P::Social},
    {Win8Switch, "tc_win8_warechange", "", M::Windows8, "", P::Input},
    {Win8F23, "", "", M::None, "", P::Input},
};

constexpr bool IsAscending() {
    for (std::size_t i = 1; i < std::size(kCodes); ++i) {
        if (ToByte(kCodes[i - 1].code) >= ToByte(kCodes[i].code)) {
            return false;
        }
    }
    return true;
}
static_assert(IsAscending(), "the code table is sorted for lookup");

}  // namespace

const ActionCodeInfo* FindActionCode(std::uint8_t code) {
    const auto* end = std::end(kCodes);
    const auto* it = std::lower_bound(
        std::begin(kCodes), end, code,
        [](const ActionCodeInfo& info, std::uint8_t value) { return ToByte(info.code) < value; });
    return (it != end && ToByte(it->code) == code) ? it : nullptr;
}

const ActionCodeInfo* FindActionCode(ActionCode code) {
    return FindActionCode(ToByte(code));
}

std::span<const ActionCodeInfo> AllActionCodes() {
    return kCodes;
}

}  // namespace q5

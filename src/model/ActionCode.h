/*
 * The vocabulary of functions a gesture slot can perform. An ActionCode is
 * one byte in the stored records; any byte value may be held, and values
 * not named here are unknown codes that are shown as nothing and perform
 * nothing.
 */
#pragma once

#include <cstdint>

namespace q5 {

enum class ActionCode : std::uint8_t {
    None = 0,
    LeftClick = 1,
    RightClick = 2,
    MiddleClick = 3,
    Forward = 4,
    Back = 5,
    Flip3D = 8,
    ScrollUp = 9,
    ScrollDown = 10,
    ScrollLeft = 16,
    ScrollRight = 17,
    DoubleClick = 18,
    CombinationKeys = 19,
    Macro = 20,
    KeyDisabled = 21,
    AdvancedHeading = 22,
    BasicHeading = 23,
    MediaHeading = 24,
    RunProgram = 25,
    MouseHeading = 26,
    Windows8Heading = 32,
    Win8StartScreen = 33,
    Win8AllApps = 34,
    Win8ZoomIn = 35,
    Win8ZoomOut = 36,
    Win8Charms = 37,
    OpenWord = 56,
    OpenExcel = 57,
    OpenPowerPoint = 58,
    Cut = 64,
    Copy = 65,
    Paste = 66,
    SelectAll = 68,
    New = 70,
    Print = 71,
    Save = 72,
    Delete = 73,
    SwitchWindow = 80,
    CloseWindow = 81,
    LockWorkstation = 82,
    FileExplorer = 83,
    RunDialog = 84,
    ShowDesktop = 85,
    ZoomIn = 86,
    ZoomOut = 87,
    RestoreWindow = 88,
    MinimiseWindow = 89,
    Search = 101,
    PlayPause = 110,
    PreviousTrack = 112,
    NextTrack = 113,
    Stop = 114,
    Mute = 115,
    VolumeUp = 116,
    VolumeDown = 117,
    SocialHome = 128,
    SocialZoomOutWindow = 129,
    SocialZoomInWindow = 130,
    SocialSearchFriend = 131,
    SocialAllFriends = 132,
    SocialMessages = 133,
    SocialAllMessages = 134,
    SocialAllNotifications = 135,
    SocialFriendAlign = 136,
    SocialNotes = 137,
    SocialMessagesAgain = 154,
    SocialEvents = 155,
    SocialMessageMedia = 156,
    SocialMedia = 157,
    Win8Switch = 163,
    Win8F23 = 164,
};

constexpr std::uint8_t ToByte(ActionCode code) {
    return static_cast<std::uint8_t>(code);
}

}  // namespace q5

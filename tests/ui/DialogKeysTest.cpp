#include "ui/DialogKeys.h"

#include <gtest/gtest.h>

#include "platform/WindowMessages.h"

namespace q5 {
namespace {

constexpr std::intptr_t kAltHeld = 1 << 29;

TEST(DialogKeys, EnterEscapeAndSpaceCommandTheDialog) {
    for (const std::uint32_t message : {kWmKeyDown, kWmKeyUp}) {
        for (const std::uintptr_t key : {0x0D, 0x1B, 0x20}) {
            EXPECT_TRUE(IsDialogCommandKey(message, key)) << message << " " << key;
        }
        // Tab, the arrows, a letter, and Enter's code in a wider value.
        for (const std::uintptr_t key : {0x09, 0x25, 0x28, 0x41, 0x10D}) {
            EXPECT_FALSE(IsDialogCommandKey(message, key)) << message << " " << key;
        }
    }
    EXPECT_FALSE(IsDialogCommandKey(kWmChar, 0x0D));
    EXPECT_FALSE(IsDialogCommandKey(kWmSysKeyDown, 0x0D));
}

TEST(DialogKeys, AltF4IsTheSystemKeyF4WithAltHeld) {
    EXPECT_TRUE(IsAltF4(kWmSysKeyDown, 0x73, kAltHeld | 0x3E0001));
    EXPECT_TRUE(IsAltF4(kWmSysKeyUp, 0x73, kAltHeld));
    EXPECT_FALSE(IsAltF4(kWmSysKeyDown, 0x73, 0));
    EXPECT_FALSE(IsAltF4(kWmSysKeyDown, 0x72, kAltHeld));
    EXPECT_FALSE(IsAltF4(kWmKeyDown, 0x73, kAltHeld));
}

TEST(DialogKeys, KeyboardMessagesRunFromKeyDownToUniChar) {
    EXPECT_FALSE(IsKeyboardMessage(0x0FF));
    for (std::uint32_t message = 0x100; message <= 0x109; ++message) {
        EXPECT_TRUE(IsKeyboardMessage(message)) << message;
    }
    EXPECT_FALSE(IsKeyboardMessage(0x10A));
    EXPECT_FALSE(IsKeyboardMessage(0x201));  // WM_LBUTTONDOWN
}

}  // namespace
}  // namespace q5

// Mock collaborators of the action executor, for checking what it hands on.
#pragma once

#include <gmock/gmock.h>

#include "actions/ActionExecutor.h"

namespace q5::test {

class MockScroll : public ScrollActions {
public:
    MOCK_METHOD(void, ScrollHorizontally, (int count), (override));
    MOCK_METHOD(void, ZoomIn, (), (override));
    MOCK_METHOD(void, ZoomOut, (), (override));
};

class MockMedia : public MediaActions {
public:
    MOCK_METHOD(void, MediaPlayPause, (), (override));
    MOCK_METHOD(void, MediaStop, (), (override));
    MOCK_METHOD(void, MediaPrevious, (), (override));
    MOCK_METHOD(void, MediaNext, (), (override));
};

class MockSystem : public SystemActions {
public:
    MOCK_METHOD(void, LockWorkstationAction, (), (override));
    MOCK_METHOD(bool, HasRememberedWindow, (), (const, override));
    MOCK_METHOD(void, MinimiseForegroundWindow, (), (override));
    MOCK_METHOD(void, RestoreRememberedWindow, (), (override));
    MOCK_METHOD(void, OpenWithShell, (std::u16string_view target), (override));
};

class MockSocial : public SocialActions {
public:
    MOCK_METHOD(void, OpenSocialPage, (ActionCode code), (override));
    MOCK_METHOD(void, CallSocialEntry, (std::string_view name), (override));
};

class MockCombination : public CombinationPlayer {
public:
    MOCK_METHOD(void, PlayCombination, (const Combination& combination), (override));
};

class MockMacro : public MacroPlayer {
public:
    MOCK_METHOD(void, PlayMacro, (std::uint8_t macroNumber), (override));
};

// Strict mocks: any call a test does not expect fails it.
struct FakeCollaborators {
    ::testing::StrictMock<MockScroll> scroll;
    ::testing::StrictMock<MockMedia> media;
    ::testing::StrictMock<MockSystem> system;
    ::testing::StrictMock<MockSocial> social;
    ::testing::StrictMock<MockCombination> combination;
    ::testing::StrictMock<MockMacro> macro;

    ActionCollaborators collaborators() {
        return ActionCollaborators{scroll, media, system, social, combination, macro};
    }
};

}  // namespace q5::test

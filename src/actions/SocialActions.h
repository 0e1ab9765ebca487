/*
 * The social-network functions: fixed web pages and the named entries of
 * the social-network plug-in library.
 */
#pragma once

#include <string>
#include <string_view>

#include "model/ActionCode.h"

namespace q5 {

class SocialActions {
public:
    virtual ~SocialActions() = default;

    // Opens the page of a page code (128, 133, 137, 154, 155, 156, 157).
    virtual void OpenSocialPage(ActionCode code) = 0;
    // Calls the plug-in entry of that name with the foreground window.
    virtual void CallSocialEntry(std::string_view name) = 0;
};

// The plug-in entry that an entry code (129 to 132, 134 to 136) calls, or an
// empty name for any other code.
std::string_view SocialEntryOfCode(ActionCode code);

// The web address that a page code (128, 133, 137, 154 to 157) opens, or an
// empty text for any other code.
std::u16string SocialPageOfCode(ActionCode code);

}  // namespace q5

/*
 * The script window of the browser document shown in an "Internet
 * Explorer_Server" window: reached through the accessibility library
 * ("OLEACC.DLL", ObjectFromLresult) with the registered message
 * "WM_HTML_GETOBJECT", and scrolled with its scrollBy. Everything is
 * obtained afresh and released again on every call.
 */
#pragma once

#include <cstdint>

#include "platform/PlatformTypes.h"

namespace q5 {

enum class DocumentScrollResult {
    kNoLibrary,       // the accessibility library cannot be loaded
    kNoDocument,      // the window gave no document (no answer within the time-out)
    kNoScriptWindow,  // the document has no script window
    kScrollFailed,    // scrollBy did not return S_OK
    kScrolled,
};

class DocumentScript {
public:
    virtual ~DocumentScript() = default;

    virtual DocumentScrollResult ScrollBy(WindowHandle window, std::int32_t dx,
                                          std::int32_t dy) = 0;
};

}  // namespace q5

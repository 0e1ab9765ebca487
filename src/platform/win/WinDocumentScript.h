/*
 * The script window of an Internet Explorer document, reached through COM
 * and the accessibility library. The "WM_HTML_GETOBJECT" request goes
 * through the window-message interface so that a hung window costs at most
 * the time-out.
 */
#pragma once

#include "platform/DocumentScript.h"
#include "platform/WindowMessages.h"

namespace q5::win {

class WinDocumentScript final : public DocumentScript {
public:
    static constexpr std::uint32_t kRequestTimeoutMs = 1000;

    explicit WinDocumentScript(WindowMessages& messages) : messages_(messages) {}

    DocumentScrollResult ScrollBy(WindowHandle window, std::int32_t dx, std::int32_t dy) override;

private:
    DocumentScrollResult ScrollWithLibrary(void* library, WindowHandle window, std::int32_t dx,
                                           std::int32_t dy);

    WindowMessages& messages_;
};

}  // namespace q5::win

#include "platform/win/WinDocumentScript.h"

#include <windows.h>
// After <windows.h>, which they need.
#include <mshtml.h>
#include <objbase.h>

#include <string>

namespace q5::win {
namespace {

// The program runs elevated: a system library is loaded from the system
// folder by its full path, never found by name in the program's own folder,
// where anybody who can write there could plant one. Empty when the system
// folder cannot be told.
std::wstring SystemLibraryPath(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    return std::wstring(folder, length) + L"\\" + name;
}

using ObjectFromLresultEntry = HRESULT(WINAPI*)(LRESULT, REFIID, WPARAM, void**);

// Releases a COM interface when it goes out of scope.
template <typename Interface>
class Held {
public:
    Held() = default;
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held() {
        if (pointer_) {
            pointer_->Release();
        }
    }
    Interface** Out() { return &pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

private:
    Interface* pointer_ = nullptr;
};

}  // namespace

DocumentScrollResult WinDocumentScript::ScrollBy(WindowHandle window, std::int32_t dx,
                                                 std::int32_t dy) {
    const HRESULT initialised = ::CoInitialize(nullptr);
    const std::wstring path = SystemLibraryPath(L"OLEACC.DLL");
    const HMODULE library = path.empty() ? nullptr : ::LoadLibraryW(path.c_str());
    DocumentScrollResult result = DocumentScrollResult::kNoLibrary;
    if (library) {
        result = ScrollWithLibrary(library, window, dx, dy);
        ::FreeLibrary(library);
    }
    // Only a successful initialisation (S_OK or S_FALSE) is balanced.
    if (SUCCEEDED(initialised)) {
        ::CoUninitialize();
    }
    return result;
}

DocumentScrollResult WinDocumentScript::ScrollWithLibrary(void* library, WindowHandle window,
                                                          std::int32_t dx, std::int32_t dy) {
    const std::uint32_t request = messages_.RegisterWindowMessageW(u"WM_HTML_GETOBJECT");
    std::uintptr_t answer = 0;
    messages_.SendMessageTimeoutW(window, request, 0, 0, kSmtoAbortIfHung, kRequestTimeoutMs,
                                  answer);
    const auto objectFromLresult = reinterpret_cast<ObjectFromLresultEntry>(reinterpret_cast<void*>(
        ::GetProcAddress(static_cast<HMODULE>(library), "ObjectFromLresult")));
    if (!objectFromLresult) {
        return DocumentScrollResult::kNoDocument;
    }
    Held<IHTMLDocument> document;
    if (FAILED(objectFromLresult(static_cast<LRESULT>(answer), IID_IHTMLDocument, 0,
                                 reinterpret_cast<void**>(document.Out()))) ||
        !document) {
        return DocumentScrollResult::kNoDocument;
    }
    Held<IDispatch> script;
    if (FAILED(document->get_Script(script.Out())) || !script) {
        return DocumentScrollResult::kNoScriptWindow;
    }
    Held<IHTMLWindow2> scriptWindow;
    if (FAILED(script->QueryInterface(IID_IHTMLWindow2,
                                      reinterpret_cast<void**>(scriptWindow.Out()))) ||
        !scriptWindow) {
        return DocumentScrollResult::kNoScriptWindow;
    }
    return scriptWindow->scrollBy(dx, dy) == S_OK ? DocumentScrollResult::kScrolled
                                                  : DocumentScrollResult::kScrollFailed;
}

}  // namespace q5::win

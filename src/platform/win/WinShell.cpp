#include "platform/win/WinShell.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <shellapi.h>

#include <string>

#include "platform/win/WinHandles.h"

namespace q5::win {
namespace {

// A terminated copy, or none for an empty text.
const wchar_t* OrNull(const std::u16string& text) {
    return text.empty() ? nullptr : reinterpret_cast<const wchar_t*>(text.c_str());
}

}  // namespace

std::intptr_t WinShell::ShellExecuteW(WindowHandle owner, std::u16string_view operation,
                                      std::u16string_view file, std::u16string_view parameters,
                                      std::u16string_view directory, std::int32_t showCommand) {
    const std::u16string verb(operation);
    const std::u16string target(file);
    const std::u16string arguments(parameters);
    const std::u16string folder(directory);
    const HINSTANCE result = ::ShellExecuteW(ToHwnd(owner), OrNull(verb),
                                             reinterpret_cast<const wchar_t*>(target.c_str()),
                                             OrNull(arguments), OrNull(folder), showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace q5::win

/*
 * q5_window_probe TITLE visible|hidden [MS]: waits up to MS milliseconds
 * (default 10000) until a top-level window titled TITLE exists in the given
 * state. Exits 0 when it does, 1 when the time runs out (printing what it saw
 * last), 2 on bad arguments. The installer's test uses it to watch the
 * installed program from outside.
 */
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string_view>

namespace {

constexpr DWORD kDefaultWaitMs = 10000;
constexpr DWORD kPollMs = 50;

const char* Seen(HWND window) {
    if (window == nullptr) {
        return "absent";
    }
    return ::IsWindowVisible(window) ? "visible" : "hidden";
}

}  // namespace

int wmain(int argc, wchar_t** argv);

int wmain(int argc, wchar_t** argv) {
    if (argc < 3 || argc > 4) {
        std::fputs("usage: q5_window_probe TITLE visible|hidden [MS]\n", stderr);
        return 2;
    }
    const std::wstring_view wanted = argv[2];
    if (wanted != L"visible" && wanted != L"hidden") {
        std::fputs("q5_window_probe: the state is visible or hidden\n", stderr);
        return 2;
    }
    const DWORD waitMs =
        argc == 4 ? static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)) : kDefaultWaitMs;
    const bool wantVisible = wanted == L"visible";
    const DWORD start = ::GetTickCount();
    HWND window = nullptr;
    for (;;) {
        window = ::FindWindowW(nullptr, argv[1]);
        if (window != nullptr && (::IsWindowVisible(window) != FALSE) == wantVisible) {
            return 0;
        }
        if (::GetTickCount() - start >= waitMs) {
            break;
        }
        ::Sleep(kPollMs);
    }
    std::printf("q5_window_probe: the window is %s\n", Seen(window));
    return 1;
}

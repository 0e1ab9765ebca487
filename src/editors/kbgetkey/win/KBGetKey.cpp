/*
 * KBGetKey.dll: reports every key press and release of the desktop, and the
 * three mouse buttons as the key codes 0xC1 to 0xC3, to one window of the
 * program while reports are enabled.
 *
 * The low-level hooks live on a thread of their own that does nothing but
 * pump messages, so the desktop's input never waits for the editor's window
 * thread: a hook callback posts one message and returns. Input that the
 * program synthesised itself carries kSynthesisedInputTag and is not
 * reported, and neither are the clicks on the receiver's own windows.
 */
#include "editors/kbgetkey/win/KBGetKey.h"

#include <array>
#include <atomic>

#include "editors/KeyReport.h"

namespace {

constexpr DWORD kStartTimeoutMs = 5000;
constexpr DWORD kStopTimeoutMs = 5000;
constexpr WPARAM kLeftButtonCode = 0xC1;
constexpr WPARAM kRightButtonCode = 0xC2;
constexpr WPARAM kMiddleButtonCode = 0xC3;

HMODULE g_module = nullptr;
// Written by the caller's thread, read by the hook thread.
std::atomic<HWND> g_receiver{nullptr};
std::atomic<bool> g_enabled{false};
// Owned by the caller's thread (installhook, removehook).
HANDLE g_thread = nullptr;
DWORD g_threadId = 0;
HANDLE g_ready = nullptr;
// Owned by the hook thread; read by DLL_PROCESS_DETACH.
HHOOK g_keyboardHook = nullptr;
HHOOK g_mouseHook = nullptr;

void Report(WPARAM key, LPARAM flags) {
    HWND receiver = g_receiver;
    if (receiver && g_enabled) {
        ::PostMessageW(receiver, q5::kKeyReportMessage, key, flags);
    }
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM message, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        if (event->dwExtraInfo != q5::kSynthesisedInputTag) {
            // LLKHF_UP is the release bit 0x80; a held key repeats its
            // press with the same flags.
            Report(event->vkCode & 0xFF, static_cast<LPARAM>(event->flags));
        }
    }
    return ::CallNextHookEx(nullptr, code, message, lParam);
}

struct ButtonReport {
    WPARAM message;
    WPARAM key;
    LPARAM flags;
};

constexpr ButtonReport kButtonReports[] = {
    {WM_LBUTTONDOWN, kLeftButtonCode, 0},
    {WM_LBUTTONUP, kLeftButtonCode, q5::kKeyReportReleased},
    {WM_RBUTTONDOWN, kRightButtonCode, 0},
    {WM_RBUTTONUP, kRightButtonCode, q5::kKeyReportReleased},
    {WM_MBUTTONDOWN, kMiddleButtonCode, 0},
    {WM_MBUTTONUP, kMiddleButtonCode, q5::kKeyReportReleased},
};

// Per button, whether its press went down over the receiver's windows;
// owned by the hook thread.
std::array<bool, 3> g_pressedOverReceiver{};

// Whether the window under `point` is one of the receiver's: the receiver,
// a window inside its top-level window, or a pop-up that this top-level
// window owns, directly or through other owned pop-ups (a tooltip, a menu,
// a message box of the receiver). A click there works the receiver itself
// (Record, Stop, OK), it is not input for it. The receiver's own owner is
// not one of them: a click on another window of the program is input like
// a click on any other window of the desktop.
bool OverReceiver(POINT point) {
    HWND receiver = g_receiver;
    if (!receiver) {
        return false;
    }
    const HWND receiverRoot = ::GetAncestor(receiver, GA_ROOT);
    for (HWND window = ::GetAncestor(::WindowFromPoint(point), GA_ROOT); window;
         window = ::GetWindow(window, GW_OWNER)) {
        if (window == receiverRoot) {
            return true;
        }
    }
    return false;
}

// A press is dropped over the receiver's windows, and its release with it
// wherever the pointer went meanwhile, so the receiver never sees half a
// click.
void ReportButton(const ButtonReport& button, POINT point) {
    bool& pressedOverReceiver = g_pressedOverReceiver[button.key - kLeftButtonCode];
    const bool released = (button.flags & q5::kKeyReportReleased) != 0;
    if (!released) {
        pressedOverReceiver = OverReceiver(point);
    }
    const bool dropped = pressedOverReceiver;
    if (released) {
        pressedOverReceiver = false;
    }
    if (!dropped) {
        Report(button.key, button.flags);
    }
}

LRESULT CALLBACK MouseProc(int code, WPARAM message, LPARAM lParam) {
    if (code == HC_ACTION && message != WM_MOUSEMOVE) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        if (event->dwExtraInfo != q5::kSynthesisedInputTag) {
            for (const auto& button : kButtonReports) {
                if (button.message == message) {
                    ReportButton(button, event->pt);
                }
            }
        }
    }
    return ::CallNextHookEx(nullptr, code, message, lParam);
}

void Unhook() {
    if (g_keyboardHook) {
        ::UnhookWindowsHookEx(g_keyboardHook);
        g_keyboardHook = nullptr;
    }
    if (g_mouseHook) {
        ::UnhookWindowsHookEx(g_mouseHook);
        g_mouseHook = nullptr;
    }
}

// The hook thread keeps the library loaded while it runs (so a FreeLibrary
// without removehook cannot unload code that a hook still calls) and leaves
// through FreeLibraryAndExitThread.
DWORD WINAPI HookThread(void*) {
    HMODULE self = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                         reinterpret_cast<LPCWSTR>(&HookThread), &self);
    MSG msg;
    ::PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // the thread's queue
    g_keyboardHook = ::SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardProc, g_module, 0);
    g_mouseHook = ::SetWindowsHookExW(WH_MOUSE_LL, &MouseProc, g_module, 0);
    ::SetEvent(g_ready);
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&msg);
    }
    Unhook();
    ::FreeLibraryAndExitThread(self, 0);
    return 0;
}

bool StartHookThread() {
    g_ready = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!g_ready) {
        return false;
    }
    g_thread = ::CreateThread(nullptr, 0, &HookThread, nullptr, 0, &g_threadId);
    if (g_thread) {
        ::WaitForSingleObject(g_ready, kStartTimeoutMs);
    }
    ::CloseHandle(g_ready);
    g_ready = nullptr;
    return g_thread != nullptr;
}

void StopHookThread() {
    if (!g_thread) {
        return;
    }
    ::PostThreadMessageW(g_threadId, WM_QUIT, 0, 0);
    ::WaitForSingleObject(g_thread, kStopTimeoutMs);
    ::CloseHandle(g_thread);
    g_thread = nullptr;
    g_threadId = 0;
}

}  // namespace

extern "C" {

void WINAPI installhook(HWND receiver) {
    g_receiver = receiver;
    if (!g_thread) {
        StartHookThread();
    }
}

void WINAPI SetHookStatus(int enabled) {
    g_enabled = enabled != 0;
}

void WINAPI removehook() {
    g_enabled = false;
    g_receiver = nullptr;
    StopHookThread();
}

}  // extern "C"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved);

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        ::DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH) {
        // The process ends with the hooks still set (removehook was never
        // called): take them off the desktop. Waiting for the hook thread is
        // not possible here, and it is already gone when the process ends.
        (void)reserved;
        g_receiver = nullptr;
        Unhook();
    }
    return TRUE;
}

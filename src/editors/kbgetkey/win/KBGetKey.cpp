/*
 * KBGetKey.dll: reports every key press and release of the desktop, and the
 * three mouse buttons as the key codes 0xC1 to 0xC3, to one window of the
 * program while reports are enabled.
 *
 * The low-level hooks live on a thread of their own that does nothing but
 * pump messages, so the desktop's input never waits for the editor's window
 * thread: a hook callback posts one message and returns. Input that the
 * program synthesised itself carries kSynthesisedInputTag and is not
 * reported.
 */
#include "editors/kbgetkey/win/KBGetKey.h"

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

LRESULT CALLBACK MouseProc(int code, WPARAM message, LPARAM lParam) {
    if (code == HC_ACTION && message != WM_MOUSEMOVE) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        if (event->dwExtraInfo != q5::kSynthesisedInputTag) {
            for (const auto& button : kButtonReports) {
                if (button.message == message) {
                    Report(button.key, button.flags);
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

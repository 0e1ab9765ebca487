// Observes the input that reaches the system through low-level keyboard and
// mouse hooks, as another program on the desktop would see it. The hooks run
// on a thread of their own with a message loop; each event is recorded and
// swallowed, so the test's input does not act on the desktop.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace q5::test {

struct HookedKey {
    DWORD vk;
    DWORD scan;
    DWORD flags;  // LLKHF_*
    ULONG_PTR extraInfo;
};

struct HookedMouse {
    WPARAM message;  // WM_LBUTTONDOWN, WM_MOUSEWHEEL, ...
    DWORD mouseData;
    ULONG_PTR extraInfo;
};

class WinHookRecorder {
public:
    WinHookRecorder() {
        instance_ = this;
        thread_ = std::thread([this] { Loop(); });
        while (!ready_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    ~WinHookRecorder() {
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        thread_.join();
        instance_ = nullptr;
    }
    WinHookRecorder(const WinHookRecorder&) = delete;
    WinHookRecorder& operator=(const WinHookRecorder&) = delete;

    bool installed() const { return installed_; }

    // Waits until `count` events in all have arrived, or two seconds passed.
    void WaitFor(std::size_t count) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (std::chrono::steady_clock::now() < deadline) {
            {
                std::lock_guard lock(mutex_);
                if (keys_.size() + mice_.size() >= count) {
                    break;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        // Let stragglers that should not be there arrive too.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }

    std::vector<HookedKey> keys() {
        std::lock_guard lock(mutex_);
        return keys_;
    }
    std::vector<HookedMouse> mice() {
        std::lock_guard lock(mutex_);
        return mice_;
    }
    void Clear() {
        std::lock_guard lock(mutex_);
        keys_.clear();
        mice_.clear();
    }

private:
    void Loop() {
        threadId_ = GetCurrentThreadId();
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // create the queue
        HINSTANCE module = GetModuleHandleW(nullptr);
        HHOOK keyboard = SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardProc, module, 0);
        HHOOK mouse = SetWindowsHookExW(WH_MOUSE_LL, &MouseProc, module, 0);
        installed_ = keyboard && mouse;
        ready_ = true;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            DispatchMessageW(&msg);
        }
        UnhookWindowsHookEx(keyboard);
        UnhookWindowsHookEx(mouse);
    }

    static LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HC_ACTION && instance_) {
            const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
            std::lock_guard lock(instance_->mutex_);
            instance_->keys_.push_back(
                {info->vkCode, info->scanCode, info->flags, info->dwExtraInfo});
            return 1;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HC_ACTION && instance_ && wParam != WM_MOUSEMOVE) {
            const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
            std::lock_guard lock(instance_->mutex_);
            instance_->mice_.push_back({wParam, info->mouseData, info->dwExtraInfo});
            return 1;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline WinHookRecorder* instance_ = nullptr;
    std::thread thread_;
    std::atomic<DWORD> threadId_{0};
    std::atomic<bool> ready_{false};
    std::atomic<bool> installed_{false};
    std::mutex mutex_;
    std::vector<HookedKey> keys_;
    std::vector<HookedMouse> mice_;
};

}  // namespace q5::test

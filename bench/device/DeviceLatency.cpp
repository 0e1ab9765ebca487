// Measures the time from the receiver's release of the semaphore to the
// posted driver event being handled by a window, through the real channel
// code, semaphore, worker thread and PostMessageW, with the simulated
// receiver in place of the driver. Each road is run twice:
//   paced: one event at a time, the next after the previous was handled;
//   burst: every event queued at once (the latency then includes waiting
//          behind the earlier events).
// Three roads, in one run:
//   bare:    a semaphore released by a thread, a worker that waits on it and
//            posts a message, a window that handles it (the floor any channel
//            of this shape stands on);
//   channel: our driver channel, as above; printed with its ratio to bare;
//   gesture: the whole road of one gesture, paced: release, worker, 0x7EB,
//            the dispatcher, the executor performing slot 0's Ctrl+C, up to
//            the chord's last key seen by a low-level keyboard hook on a
//            thread of its own (the hook swallows the keys).
// Prints the median and the 99th percentile of each run in microseconds.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "app/GestureEngine.h"
#include "device/CUSBDriver.h"
#include "device/DriverProtocol.h"
#include "model/GestureDispatcher.h"
#include "model/SettingsStore.h"
#include "platform/sim/SimReceiver.h"
#include "platform/win/WinPlatform.h"

namespace {

constexpr wchar_t kWindowClass[] = L"Q5DeviceLatency";
constexpr std::uint32_t kDefaultEvents = 5000;
constexpr UINT kBareMessage = WM_APP + 1;
constexpr int kGestureSlot = 0;

struct Stats {
    double median = 0;
    double p99 = 0;
};

struct Run {
    std::vector<LONGLONG> released;
    std::vector<LONGLONG> handled;
    std::atomic<std::uint32_t> handledCount{0};
    std::uint32_t events = 0;
    HANDLE handledEvent = nullptr;
    DWORD loopThread = 0;
};

Run* g_run = nullptr;
q5::GestureEngine* g_engine = nullptr;  // set while the gesture road runs

LONGLONG Now() {
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

// Marks the next event of the run handled; callable from any thread.
void Handled() {
    Run& run = *g_run;
    const std::uint32_t index = run.handledCount.load();
    if (index >= run.events) {
        return;
    }
    run.handled[index] = Now();
    if (++run.handledCount == run.events) {
        ::PostThreadMessageW(run.loopThread, WM_QUIT, 0, 0);
    }
    ::SetEvent(run.handledEvent);
}

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_run != nullptr && (message == q5::kDriverEventMessage || message == kBareMessage)) {
        if (g_engine != nullptr) {
            g_engine->OnDeviceEvent(static_cast<std::uint32_t>(wParam));
        } else {
            Handled();
        }
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// The chord's last key, Ctrl released, ends one gesture.
LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HC_ACTION) {
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (g_run != nullptr && key->vkCode == VK_CONTROL && (key->flags & LLKHF_UP) != 0) {
        Handled();
    }
    return 1;
}

std::atomic<bool> g_hookReady{false};

DWORD WINAPI HookThread(LPVOID) {
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // create the queue
    HHOOK hook = ::SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardHook, ::GetModuleHandleW(nullptr), 0);
    if (hook == nullptr) {
        std::fprintf(stderr, "cannot install the keyboard hook\n");
        std::exit(1);
    }
    g_hookReady = true;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&msg);
    }
    ::UnhookWindowsHookEx(hook);
    return 0;
}

using Release = std::function<bool(std::uint32_t index)>;

struct Feed {
    Release release;
    Run* run;
    bool paced;
};

DWORD WINAPI Feeder(LPVOID parameter) {
    const Feed& feed = *static_cast<Feed*>(parameter);
    for (std::uint32_t i = 0; i < feed.run->events; ++i) {
        feed.run->released[i] = Now();
        if (!feed.release(i)) {
            std::fprintf(stderr, "event %u refused\n", i);
            std::exit(1);
        }
        if (feed.paced) {
            while (feed.run->handledCount.load() <= i) {
                ::WaitForSingleObject(feed.run->handledEvent, 100);
            }
        }
    }
    return 0;
}

Stats Report(const char* name, const Run& run) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    std::vector<double> micros;
    for (std::uint32_t i = 0; i < run.events; ++i) {
        micros.push_back(static_cast<double>(run.handled[i] - run.released[i]) * 1e6 /
                         static_cast<double>(frequency.QuadPart));
    }
    std::sort(micros.begin(), micros.end());
    const Stats stats{micros[micros.size() / 2],
                      micros[std::min(micros.size() - 1, micros.size() * 99 / 100)]};
    const double totalMs = static_cast<double>(run.handled.back() - run.released.front()) * 1e3 /
                           static_cast<double>(frequency.QuadPart);
    std::printf("%-14s events=%u median=%.1f us p99=%.1f us max=%.1f us total=%.1f ms\n", name,
                run.events, stats.median, stats.p99, micros.back(), totalMs);
    return stats;
}

// Feeds `events` releases and runs the message loop until all were handled.
Stats Measure(const char* name, const Release& release, std::uint32_t events, bool paced) {
    Run run;
    run.events = events;
    run.released.assign(events, 0);
    run.handled.assign(events, 0);
    run.handledEvent = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    run.loopThread = ::GetCurrentThreadId();
    g_run = &run;
    Feed feed{release, &run, paced};
    HANDLE feeder = ::CreateThread(nullptr, 0, Feeder, &feed, 0, nullptr);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&msg);
    }
    ::WaitForSingleObject(feeder, INFINITE);
    ::CloseHandle(feeder);
    ::CloseHandle(run.handledEvent);
    g_run = nullptr;
    return Report(name, run);
}

// The bare channel: a semaphore and a worker that posts one message per
// release to the window.
struct Bare {
    HANDLE semaphore;
    HWND window;
    std::uint32_t events;
};

DWORD WINAPI BareWorker(LPVOID parameter) {
    const Bare& bare = *static_cast<Bare*>(parameter);
    for (std::uint32_t i = 0; i < bare.events; ++i) {
        ::WaitForSingleObject(bare.semaphore, INFINITE);
        ::PostMessageW(bare.window, kBareMessage, i, 0);
    }
    return 0;
}

Stats MeasureBare(HWND window, std::uint32_t events, bool paced) {
    Bare bare{::CreateSemaphoreW(nullptr, 0, static_cast<LONG>(events), nullptr), window, events};
    HANDLE worker = ::CreateThread(nullptr, 0, BareWorker, &bare, 0, nullptr);
    const Stats stats = Measure(
        paced ? "bare paced" : "bare burst",
        [&bare](std::uint32_t) { return ::ReleaseSemaphore(bare.semaphore, 1, nullptr) != 0; },
        events, paced);
    ::WaitForSingleObject(worker, INFINITE);
    ::CloseHandle(worker);
    ::CloseHandle(bare.semaphore);
    return stats;
}

void PrintRatio(const char* name, const Stats& ours, const Stats& bare) {
    std::printf("%-14s ours/bare median=%.2f p99=%.2f\n", name, ours.median / bare.median,
                ours.p99 / bare.p99);
}

Stats MeasureGesture(q5::win::WinPlatform& platform, q5::sim::SimReceiver& receiver,
                     std::uint32_t events) {
    HANDLE hookThread = ::CreateThread(nullptr, 0, HookThread, nullptr, 0, nullptr);
    while (!g_hookReady) {
        ::Sleep(5);
    }
    // The program's own wiring, on an assignment that is never saved.
    q5::SettingsStore store(platform.registry, platform.dialogs);
    store.working().slot(kGestureSlot).setCode(q5::ActionCode::Copy);
    store.Activate();
    q5::GestureEngine engine(platform.platform(), store, u"Korvo Q5");
    const std::uint32_t eventCode = *q5::EventOfSlot(kGestureSlot);
    g_engine = &engine;
    const Stats stats = Measure(
        "gesture paced", [&](std::uint32_t) { return receiver.QueueEvent(eventCode); }, events,
        true);
    g_engine = nullptr;
    ::PostThreadMessageW(::GetThreadId(hookThread), WM_QUIT, 0, 0);
    ::WaitForSingleObject(hookThread, INFINITE);
    ::CloseHandle(hookThread);
    return stats;
}

}  // namespace

int main(int argc, char** argv) {
    const std::uint32_t events =
        argc > 1 ? static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10)) : kDefaultEvents;
    if (events == 0 || events > static_cast<std::uint32_t>(q5::kDriverSemaphoreMaximum)) {
        std::fprintf(stderr, "usage: q5_device_latency [EVENTS: 1 to 8000]\n");
        return 2;
    }
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassW(&windowClass);
    HWND window = ::CreateWindowExW(0, kWindowClass, L"latency", WS_OVERLAPPED, 0, 0, 10, 10,
                                    nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);

    const Stats barePaced = MeasureBare(window, events, true);
    const Stats bareBurst = MeasureBare(window, events, false);

    q5::win::WinPlatform platform;
    q5::sim::SimReceiver receiver(platform.threads);
    platform.RouteDeviceIo(receiver);
    receiver.PlugIn();
    {
        q5::CUSBDriver driver(platform.platform());
        driver.StartDriverThread(q5::WindowHandle{reinterpret_cast<std::uintptr_t>(window)});
        if (!driver.OpenDevice()) {
            std::fprintf(stderr, "cannot open the simulated receiver\n");
            return 1;
        }
        const auto queue = [&receiver](std::uint32_t index) { return receiver.QueueEvent(index); };
        const Stats paced = Measure("channel paced", queue, events, true);
        const Stats burst = Measure("channel burst", queue, events, false);
        PrintRatio("paced", paced, barePaced);
        PrintRatio("burst", burst, bareBurst);
        MeasureGesture(platform, receiver, events);
    }
    ::DestroyWindow(window);
    return 0;
}

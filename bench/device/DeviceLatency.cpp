// Measures the time from the receiver's release of the semaphore to the
// posted driver event being handled by a window, through the real channel
// code, semaphore, worker thread and PostMessageW, with the simulated
// receiver in place of the driver. Two runs:
//   paced: one event at a time, the next after the previous was handled;
//   burst: every event queued at once (the latency then includes waiting
//          behind the earlier events).
// Prints the median and the 99th percentile of each run in microseconds.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "device/CUSBDriver.h"
#include "device/DriverProtocol.h"
#include "platform/sim/SimReceiver.h"
#include "platform/win/WinPlatform.h"

namespace {

constexpr wchar_t kWindowClass[] = L"Q5DeviceLatency";
constexpr std::uint32_t kDefaultEvents = 5000;

struct Run {
    std::vector<LONGLONG> released;
    std::vector<LONGLONG> handled;
    std::atomic<std::uint32_t> handledCount{0};
    std::uint32_t events = 0;
    HANDLE handledEvent = nullptr;
};

Run* g_run = nullptr;

LONGLONG Now() {
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == q5::kDriverEventMessage && g_run != nullptr && wParam < g_run->events) {
        g_run->handled[wParam] = Now();
        if (++g_run->handledCount == g_run->events) {
            ::PostQuitMessage(0);
        }
        ::SetEvent(g_run->handledEvent);
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

struct Feed {
    q5::sim::SimReceiver* receiver;
    Run* run;
    bool paced;
};

DWORD WINAPI Feeder(LPVOID parameter) {
    const Feed& feed = *static_cast<Feed*>(parameter);
    for (std::uint32_t i = 0; i < feed.run->events; ++i) {
        feed.run->released[i] = Now();
        if (!feed.receiver->QueueEvent(i)) {
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

void Report(const char* name, const Run& run) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    std::vector<double> micros;
    for (std::uint32_t i = 0; i < run.events; ++i) {
        micros.push_back(static_cast<double>(run.handled[i] - run.released[i]) * 1e6 /
                         static_cast<double>(frequency.QuadPart));
    }
    std::sort(micros.begin(), micros.end());
    const double median = micros[micros.size() / 2];
    const double p99 = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
    const double totalMs = static_cast<double>(run.handled.back() - run.released.front()) * 1e3 /
                           static_cast<double>(frequency.QuadPart);
    std::printf("%-6s events=%u median=%.1f us p99=%.1f us max=%.1f us total=%.1f ms\n", name,
                run.events, median, p99, micros.back(), totalMs);
}

bool Measure(q5::sim::SimReceiver& receiver, std::uint32_t events, bool paced) {
    Run run;
    run.events = events;
    run.released.assign(events, 0);
    run.handled.assign(events, 0);
    run.handledEvent = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    g_run = &run;
    Feed feed{&receiver, &run, paced};
    HANDLE feeder = ::CreateThread(nullptr, 0, Feeder, &feed, 0, nullptr);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&msg);
    }
    ::WaitForSingleObject(feeder, INFINITE);
    ::CloseHandle(feeder);
    ::CloseHandle(run.handledEvent);
    g_run = nullptr;
    Report(paced ? "paced" : "burst", run);
    return run.handledCount.load() == events;
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

    q5::win::WinPlatform platform;
    q5::sim::SimReceiver receiver(platform.threads);
    platform.RouteDeviceIo(receiver);
    receiver.PlugIn();
    bool complete = false;
    {
        q5::CUSBDriver driver(platform.platform());
        driver.StartDriverThread(q5::WindowHandle{reinterpret_cast<std::uintptr_t>(window)});
        if (!driver.OpenDevice()) {
            std::fprintf(stderr, "cannot open the simulated receiver\n");
            return 1;
        }
        complete = Measure(receiver, events, true) && Measure(receiver, events, false);
    }
    ::DestroyWindow(window);
    return complete ? 0 : 1;
}

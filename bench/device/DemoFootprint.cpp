// Start-up time and idle memory of the demo, KorvoQ5Demo.exe, run as a
// child process. Each of five runs:
//   start-up: from CreateProcessW to the demo's main window (its title,
//             owned by the child) being visible, polled every millisecond;
//   memory:   the child's private bytes (PrivateUsage of
//             GetProcessMemoryInfo; PagefileUsage, the same commit charge,
//             where Wine leaves PrivateUsage at zero) and working set, read
//             after the window has been visible for a settling time;
// then the child is terminated and the next run waits a pause for it to be
// gone. Prints each run and the medians.
//   scripts/wine-run build/win64/bench/device/q5_demo_footprint.exe [DEMO.EXE]
// The demo defaults to ..\..\bin\KorvoQ5Demo.exe beside this program, as
// the win64 build lays them out. No other demo may be running on the
// desktop: a second start only shows the first one's window.
#include <windows.h>
// psapi.h needs the types of windows.h first.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/win/CQ5ConfigDlg.h"

namespace {

constexpr int kRuns = 5;
constexpr DWORD kSettleMs = 3000;
constexpr DWORD kStartTimeoutMs = 30000;
// Between runs: Wine is still tearing down the terminated child (its tray
// icon, its windows) for a while, and a start in that time is slower.
constexpr DWORD kPauseMs = 3000;
constexpr wchar_t kDefaultDemo[] = L"..\\..\\bin\\KorvoQ5Demo.exe";

struct Sample {
    double startMs = 0;
    double privateMiB = 0;
    double workingSetMiB = 0;
};

struct Search {
    DWORD processId;
    bool visible;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    wchar_t title[64] = {};
    ::GetWindowTextW(window, title, 64);
    if (owner == search.processId && std::wstring(title) == q5::win::kMainWindowTitle &&
        ::IsWindowVisible(window)) {
        search.visible = true;
        return FALSE;
    }
    return TRUE;
}

double Milliseconds(LONGLONG ticks) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(ticks) * 1e3 / static_cast<double>(frequency.QuadPart);
}

LONGLONG Now() {
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

std::wstring DefaultDemoPath() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.resize(folder.find_last_of(L'\\') + 1);
    return folder + kDefaultDemo;
}

std::wstring Wide(const char* text) {
    std::wstring wide(std::strlen(text), L'\0');
    wide.resize(static_cast<std::size_t>(
        ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), static_cast<int>(wide.size() + 1)) -
        1));
    return wide;
}

// Windows reports a process's commit charge as both PrivateUsage and
// PagefileUsage; Wine 8 fills only the second, so it stands in for a zero.
SIZE_T PrivateBytes(const PROCESS_MEMORY_COUNTERS_EX& counters) {
    return counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
}

constexpr double kMiB = 1024.0 * 1024.0;

bool MeasureOnce(const std::wstring& demo, Sample& sample) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION child{};
    std::wstring commandLine = L"\"" + demo + L"\"";
    const LONGLONG started = Now();
    if (!::CreateProcessW(demo.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &child)) {
        std::fprintf(stderr, "cannot start %ls (error %lu)\n", demo.c_str(), ::GetLastError());
        return false;
    }
    Search search{child.dwProcessId, false};
    while (!search.visible && Milliseconds(Now() - started) < kStartTimeoutMs &&
           ::WaitForSingleObject(child.hProcess, 1) == WAIT_TIMEOUT) {
        ::EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
    }
    sample.startMs = Milliseconds(Now() - started);
    bool measured = search.visible;
    if (measured) {
        ::Sleep(kSettleMs);
        PROCESS_MEMORY_COUNTERS_EX counters{};
        counters.cb = sizeof(counters);
        measured = ::GetProcessMemoryInfo(child.hProcess,
                                          reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                          sizeof(counters));
        sample.privateMiB = static_cast<double>(PrivateBytes(counters)) / kMiB;
        sample.workingSetMiB = static_cast<double>(counters.WorkingSetSize) / kMiB;
    } else {
        std::fprintf(stderr, "the demo's window did not show (another demo running?)\n");
    }
    ::TerminateProcess(child.hProcess, 0);
    ::WaitForSingleObject(child.hProcess, INFINITE);
    ::CloseHandle(child.hThread);
    ::CloseHandle(child.hProcess);
    ::Sleep(kPauseMs);
    return measured;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const std::wstring demo = argc > 1 ? Wide(argv[1]) : DefaultDemoPath();
    std::vector<double> starts;
    std::vector<double> privates;
    std::vector<double> workingSets;
    for (int run = 1; run <= kRuns; ++run) {
        Sample sample;
        if (!MeasureOnce(demo, sample)) {
            return 1;
        }
        std::printf("run %d: start-up=%.1f ms private=%.1f MiB working-set=%.1f MiB\n", run,
                    sample.startMs, sample.privateMiB, sample.workingSetMiB);
        starts.push_back(sample.startMs);
        privates.push_back(sample.privateMiB);
        workingSets.push_back(sample.workingSetMiB);
    }
    std::printf("median of %d: start-up=%.1f ms private=%.1f MiB working-set=%.1f MiB\n", kRuns,
                Median(starts), Median(privates), Median(workingSets));
    return 0;
}

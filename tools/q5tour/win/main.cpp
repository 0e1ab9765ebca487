// q5tour [--tool Q5TOOL.EXE] [--out DIR] [--keep-open]
//
// Plays the demo's tour against a running KorvoQ5Demo: exit status 0 when
// every step showed its effect, 1 when one did not, 2 for bad arguments.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "TourDriver.h"

namespace {

// The folder of this executable, with a trailing backslash.
std::wstring OwnFolder() {
    wchar_t path[MAX_PATH]{};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    q5::tour::TourOptions options;
    options.toolPath = OwnFolder() + L"q5tool.exe";
    options.outputDir = L".";
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if ((arg == L"--tool" || arg == L"--out") && i + 1 < argc) {
            (arg == L"--tool" ? options.toolPath : options.outputDir) = argv[++i];
        } else if (arg == L"--keep-open") {
            options.closeDemo = false;
        } else {
            std::fprintf(stderr,
                         "q5tour: usage: q5tour [--tool Q5TOOL.EXE] [--out DIR] "
                         "[--keep-open]\n");
            return 2;
        }
    }
    // The folder and any missing parents (a fresh build tree has none).
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(options.outputDir), ignored);
    return q5::tour::TourDriver(options).Run() ? 0 : 1;
}

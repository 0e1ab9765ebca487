// Runs the built q5tool with arguments and collects what it prints, for the
// tests of its commands. Works on Linux and, under Wine, in the Windows build.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/wait.h>
#endif

namespace q5::test {

struct ToolResult {
    int status = -1;
    std::string output;  // standard output, and standard error unless discarded

    std::vector<std::string> lines() const {
        std::vector<std::string> result;
        std::string line;
        for (char c : output) {
            if (c == '\n') {
                result.push_back(line);
                line.clear();
            } else if (c != '\r') {
                line.push_back(c);
            }
        }
        if (!line.empty()) {
            result.push_back(line);
        }
        return result;
    }
};

// A path of the build tree as the running program sees it.
inline std::string NativePath(std::string path) {
#if defined(_WIN32)
    if (!path.empty() && path[0] == '/') {
        path = "Z:" + path;  // Wine shows the Linux root as drive Z:
    }
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
#endif
    return path;
}

inline std::string ToolPath() {
    return NativePath(Q5TOOL_PATH);
}

enum class Stderr { Merged, Discarded };

#if defined(_WIN32)
// Reads everything from `pipe` until every writer has closed it.
inline void ReadAll(HANDLE pipe, std::string& into) {
    char buffer[4096];
    DWORD n = 0;
    while (::ReadFile(pipe, buffer, sizeof buffer, &n, nullptr) && n > 0) {
        into.append(buffer, n);
    }
}
#endif

// Runs `program` (a native path); `arguments` is appended to the command
// line as it stands (quote as needed). On Windows the program is started
// directly, not through the command interpreter, whose own way of finding
// programs and reading redirections is not what is being tested.
inline ToolResult RunProgram(const std::string& program, const std::string& arguments,
                             Stderr stderrOutput = Stderr::Merged) {
    ToolResult result;
#if defined(_WIN32)
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        return result;
    }
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    HANDLE nul =
        ::CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nul;
    startup.hStdOutput = writeEnd;
    startup.hStdError = stderrOutput == Stderr::Merged ? writeEnd : nul;
    std::string commandLine = "\"" + program + "\" " + arguments;
    PROCESS_INFORMATION child{};
    const BOOL started = ::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                          nullptr, nullptr, &startup, &child);
    ::CloseHandle(writeEnd);
    if (nul != INVALID_HANDLE_VALUE) {
        ::CloseHandle(nul);
    }
    if (!started) {
        ::CloseHandle(readEnd);
        return result;
    }
    ReadAll(readEnd, result.output);
    ::CloseHandle(readEnd);
    ::WaitForSingleObject(child.hProcess, INFINITE);
    DWORD status = 0;
    ::GetExitCodeProcess(child.hProcess, &status);
    result.status = static_cast<int>(status);
    ::CloseHandle(child.hThread);
    ::CloseHandle(child.hProcess);
#else
    const std::string command = "\"" + program + "\" " + arguments +
                                (stderrOutput == Stderr::Merged ? " 2>&1" : " 2>/dev/null");
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        return result;
    }
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.output.append(buffer, n);
    }
    const int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    return result;
}

inline ToolResult RunTool(const std::string& arguments, Stderr stderrOutput = Stderr::Merged) {
    return RunProgram(ToolPath(), arguments, stderrOutput);
}

}  // namespace q5::test

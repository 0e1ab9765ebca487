// Runs the built q5tool with arguments and collects what it prints, for the
// tests of its commands. Works on Linux and, under Wine, in the Windows build.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#if !defined(_WIN32)
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

// Runs `program` (a native path); `arguments` is appended to the command
// line as it stands (quote as needed).
inline ToolResult RunProgram(const std::string& program, const std::string& arguments,
                             Stderr stderrOutput = Stderr::Merged) {
    ToolResult result;
#if defined(_WIN32)
    const char* discard = " 2>NUL";
#else
    const char* discard = " 2>/dev/null";
#endif
    const std::string command = "\"" + program + "\" " + arguments +
                                (stderrOutput == Stderr::Merged ? " 2>&1" : discard);
#if defined(_WIN32)
    FILE* pipe = _popen(("\"" + command + "\"").c_str(), "rb");
#else
    FILE* pipe = popen(command.c_str(), "r");
#endif
    if (!pipe) {
        return result;
    }
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.output.append(buffer, n);
    }
#if defined(_WIN32)
    result.status = _pclose(pipe);
#else
    const int raw = pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    return result;
}

inline ToolResult RunTool(const std::string& arguments, Stderr stderrOutput = Stderr::Merged) {
    return RunProgram(ToolPath(), arguments, stderrOutput);
}

}  // namespace q5::test

/*
 * The simulated desktop's record of every platform call the system made,
 * in call order. Tests compare it with the exact sequence they expect; the
 * dry-run tool prints it, one line per call.
 */
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace q5::sim {

struct KeyCall {
    std::uint8_t vk = 0;
    std::uint8_t scan = 0;
    std::uint32_t flags = 0;
    std::uintptr_t extraInfo = 0;
    bool operator==(const KeyCall&) const = default;
};

struct MouseCall {
    std::uint32_t flags = 0;
    std::int32_t dx = 0;
    std::int32_t dy = 0;
    std::int32_t data = 0;
    std::uintptr_t extraInfo = 0;
    bool operator==(const MouseCall&) const = default;
};

struct WaitCall {
    std::uint32_t milliseconds = 0;
    bool operator==(const WaitCall&) const = default;
};

struct MessageBoxCall {
    std::uintptr_t owner = 0;
    std::u16string text;
    std::u16string caption;
    std::uint32_t type = 0;
    bool operator==(const MessageBoxCall&) const = default;
};

// A free comment in the record, for people reading a dry run.
struct NoteCall {
    std::string text;
    bool operator==(const NoteCall&) const = default;
};

struct PostCall {
    std::uintptr_t window = 0;
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    bool operator==(const PostCall&) const = default;
};

// SendMessageW, or SendMessageTimeoutW when `timed`.
struct SendCall {
    std::uintptr_t window = 0;
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    bool timed = false;
    std::uint32_t flags = 0;
    std::uint32_t timeoutMs = 0;
    bool operator==(const SendCall&) const = default;
};

// SetCursorPos.
struct CursorCall {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const CursorCall&) const = default;
};

// ShellExecuteW (its line shows the operation and the file).
struct ShellCall {
    std::u16string operation;
    std::u16string file;
    std::u16string parameters;
    std::u16string directory;
    std::uintptr_t owner = 0;
    std::int32_t showCommand = 0;
    bool operator==(const ShellCall&) const = default;
};

// LockWorkStation.
struct LockCall {
    bool operator==(const LockCall&) const = default;
};

// OutputDebugStringW.
struct DebugCall {
    std::u16string text;
    bool operator==(const DebugCall&) const = default;
};

// Wow64DisableWow64FsRedirection (`disable`) or Wow64RevertWow64FsRedirection.
struct RedirectionCall {
    bool disable = false;
    std::uintptr_t state = 0;
    bool operator==(const RedirectionCall&) const = default;
};

// scrollBy of a browser document's script window.
struct ScriptScrollCall {
    std::uintptr_t window = 0;
    std::int32_t dx = 0;
    std::int32_t dy = 0;
    bool operator==(const ScriptScrollCall&) const = default;
};

using PlatformCall =
    std::variant<KeyCall, MouseCall, WaitCall, NoteCall, MessageBoxCall, PostCall, SendCall,
                 CursorCall, ShellCall, LockCall, DebugCall, RedirectionCall, ScriptScrollCall>;

// The one-line text of a call, as the dry-run tool prints it:
// "key 0x11 0x00 1", "mouse 0x0800 0 0 -120", "wait 100", "# text",
// "post 0x20010 0x114 0x0 0x0", "send 0x20010 0x112 0xf020 0x0", "cursor 5 5",
// "shell open excel", "lock", "debug ClassName:", "wow64 redirection off",
// "wow64 redirection revert", "script scrollBy 0x20010 -10 0",
// "messagebox 0x0 \"Caption\" \"Text\" 0x0". Control
// characters in texts are written as escapes ("\n").
std::string FormatCall(const PlatformCall& call);

class CallJournal {
public:
    void Record(const PlatformCall& call);
    void Note(std::string text);
    void Clear() { calls_.clear(); }
    // A desktop whose record nobody reads (a fuzzer's) keeps none: calls are
    // still made and checked, only not stored.
    void SetKeeping(bool keeping) { keeping_ = keeping; }

    const std::vector<PlatformCall>& Calls() const { return calls_; }
    // Every call but the notes, formatted.
    std::vector<std::string> Lines() const;
    // Every call, notes included, formatted.
    std::vector<std::string> AllLines() const;

private:
    std::vector<PlatformCall> calls_;
    bool keeping_ = true;
};

}  // namespace q5::sim

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
    std::string text;  // UTF-8
    std::string caption;
    std::uint32_t type = 0;
    bool operator==(const MessageBoxCall&) const = default;
};

// A free comment in the record, for people reading a dry run.
struct NoteCall {
    std::string text;
    bool operator==(const NoteCall&) const = default;
};

using PlatformCall = std::variant<KeyCall, MouseCall, WaitCall, NoteCall, MessageBoxCall>;

// The one-line text of a call, as the dry-run tool prints it:
// "key 0x11 0x00 1", "mouse 0x0800 0 0 -120", "wait 100", "# text",
// "messagebox 0x0 \"Caption\" \"Text\" 0x0".
std::string FormatCall(const PlatformCall& call);

class CallJournal {
  public:
    void Record(const PlatformCall& call);
    void Note(std::string text);
    void Clear() { calls_.clear(); }

    const std::vector<PlatformCall>& Calls() const { return calls_; }
    // Every call but the notes, formatted.
    std::vector<std::string> Lines() const;
    // Every call, notes included, formatted.
    std::vector<std::string> AllLines() const;

  private:
    std::vector<PlatformCall> calls_;
};

}  // namespace q5::sim

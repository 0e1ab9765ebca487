#include "platform/sim/CallJournal.h"

#include "i18n/Unicode.h"
#include "platform/TextFormat.h"

namespace q5::sim {
namespace {

unsigned long long Hex(std::uintptr_t value) {
    return value;
}

unsigned long long Hex(std::intptr_t value) {
    return static_cast<std::uintptr_t>(value);
}

// The text on one line: control characters become escapes.
std::string OneLine(std::u16string_view text) {
    std::string line;
    for (const char c : Utf16ToUtf8(text)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            line += "\\n";
        } else if (c == '\r') {
            line += "\\r";
        } else if (c == '\t') {
            line += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            line += StringPrintf("\\x%02x", unsigned{byte});
        } else {
            line += c;
        }
    }
    return line;
}

struct Formatter {
    std::string operator()(const KeyCall& c) const {
        return StringPrintf("key 0x%02x 0x%02x %u", unsigned{c.vk}, unsigned{c.scan}, c.flags);
    }
    std::string operator()(const MouseCall& c) const {
        return StringPrintf("mouse 0x%04x %d %d %d", c.flags, c.dx, c.dy, c.data);
    }
    std::string operator()(const WaitCall& c) const {
        return StringPrintf("wait %u", c.milliseconds);
    }
    std::string operator()(const NoteCall& c) const { return "# " + c.text; }
    std::string operator()(const MessageBoxCall& c) const {
        return StringPrintf("messagebox 0x%llx \"%s\" \"%s\" 0x%x", Hex(c.owner),
                            OneLine(c.caption).c_str(), OneLine(c.text).c_str(), c.type);
    }
    std::string operator()(const PostCall& c) const {
        return StringPrintf("post 0x%llx 0x%x 0x%llx 0x%llx", Hex(c.window), c.message,
                            Hex(c.wParam), Hex(c.lParam));
    }
    std::string operator()(const SendCall& c) const {
        return StringPrintf("send 0x%llx 0x%x 0x%llx 0x%llx", Hex(c.window), c.message,
                            Hex(c.wParam), Hex(c.lParam));
    }
    std::string operator()(const CursorCall& c) const {
        return StringPrintf("cursor %d %d", c.x, c.y);
    }
    std::string operator()(const ShellCall& c) const {
        return "shell " + OneLine(c.operation) + " " + OneLine(c.file);
    }
    std::string operator()(const LockCall&) const { return "lock"; }
    std::string operator()(const DebugCall& c) const { return "debug " + OneLine(c.text); }
    std::string operator()(const RedirectionCall& c) const {
        return c.disable ? "wow64 redirection off" : "wow64 redirection revert";
    }
    std::string operator()(const ScriptScrollCall& c) const {
        return StringPrintf("script scrollBy 0x%llx %d %d", Hex(c.window), c.dx, c.dy);
    }
};

}  // namespace

std::string FormatCall(const PlatformCall& call) {
    return std::visit(Formatter{}, call);
}

void CallJournal::Record(const PlatformCall& call) {
    if (keeping_) {
        calls_.push_back(call);
    }
}

void CallJournal::Note(std::string text) {
    if (keeping_) {
        calls_.emplace_back(NoteCall{std::move(text)});
    }
}

std::vector<std::string> CallJournal::Lines() const {
    std::vector<std::string> lines;
    for (const auto& call : calls_) {
        if (!std::holds_alternative<NoteCall>(call)) {
            lines.push_back(FormatCall(call));
        }
    }
    return lines;
}

std::vector<std::string> CallJournal::AllLines() const {
    std::vector<std::string> lines;
    lines.reserve(calls_.size());
    for (const auto& call : calls_) {
        lines.push_back(FormatCall(call));
    }
    return lines;
}

}  // namespace q5::sim

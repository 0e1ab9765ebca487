#include "platform/sim/CallJournal.h"

#include "platform/TextFormat.h"

namespace q5::sim {
namespace {

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
        return StringPrintf("messagebox 0x%llx \"%s\" \"%s\" 0x%x",
                            static_cast<unsigned long long>(c.owner), c.caption.c_str(),
                            c.text.c_str(), c.type);
    }
};

}  // namespace

std::string FormatCall(const PlatformCall& call) {
    return std::visit(Formatter{}, call);
}

void CallJournal::Record(const PlatformCall& call) {
    calls_.push_back(call);
}

void CallJournal::Note(std::string text) {
    calls_.emplace_back(NoteCall{std::move(text)});
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

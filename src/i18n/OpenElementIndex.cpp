#include "i18n/OpenElementIndex.h"

#include "i18n/XmlNodeScanner.h"

namespace q5 {

std::uint64_t OpenElementIndex::EdgeKey(std::int32_t node, char16_t c) const {
    const char16_t unit = ignoreCase_ ? FoldAscii(c) : c;
    return (static_cast<std::uint64_t>(node) << 16) | unit;
}

std::int32_t OpenElementIndex::Child(std::int32_t node, char16_t c) const {
    const auto found = children_.find(EdgeKey(node, c));
    return found == children_.end() ? kNone : found->second;
}

std::int32_t OpenElementIndex::ChildOrNew(std::int32_t node, char16_t c) {
    const auto [edge, added] =
        children_.try_emplace(EdgeKey(node, c), static_cast<std::int32_t>(entered_.size()));
    if (added) {
        entered_.emplace_back();
    }
    return edge->second;
}

void OpenElementIndex::Add(std::u16string_view name, std::int32_t position) {
    std::int32_t node = 0;
    for (const char16_t c : name) {
        if (EndsMatchedToken(c)) {
            entered_[static_cast<std::size_t>(node)].push_back(position);
        }
        node = ChildOrNew(node, c);
    }
    entered_[static_cast<std::size_t>(node)].push_back(position);
}

void OpenElementIndex::RemoveLast(std::u16string_view name) {
    std::int32_t node = 0;
    for (const char16_t c : name) {
        if (EndsMatchedToken(c)) {
            entered_[static_cast<std::size_t>(node)].pop_back();
        }
        node = Child(node, c);
    }
    entered_[static_cast<std::size_t>(node)].pop_back();
}

std::int32_t OpenElementIndex::Innermost(std::u16string_view token) const {
    std::int32_t node = 0;
    for (const char16_t c : token) {
        node = Child(node, c);
        if (node == kNone) {
            return kNone;
        }
    }
    const auto& entered = entered_[static_cast<std::size_t>(node)];
    return entered.empty() ? kNone : entered.back();
}

}  // namespace q5

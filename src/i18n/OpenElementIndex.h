/*
 * An index of the names of the open elements, so that the builder finds the
 * innermost open element an end tag names without comparing the end tag with
 * every open element: a document of deep nesting and end tags that close
 * nothing then still parses in time linear in its length.
 *
 * An end tag's token names an open element when the element's name equals
 * the token or continues after it with one of " =/[]" (name matching of the
 * reader). The index is a tree of name prefixes, one character an edge; each
 * open element is entered at the node of its whole name and at the node of
 * every prefix that such a character follows, so entering, removing and
 * finding cost the length of the name or token only.
 */
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace q5 {

class OpenElementIndex {
public:
    explicit OpenElementIndex(bool ignoreCase) : ignoreCase_(ignoreCase), entered_(1) {}

    // Enters the element at `position` of the open stack, above every
    // element entered before it that is still entered.
    void Add(std::u16string_view name, std::int32_t position);
    // Removes the element entered last, whose name is `name`.
    void RemoveLast(std::u16string_view name);
    // The stack position of the innermost entered element that `token`
    // names, or -1.
    std::int32_t Innermost(std::u16string_view token) const;

private:
    static constexpr std::int32_t kNone = -1;

    std::uint64_t EdgeKey(std::int32_t node, char16_t c) const;
    std::int32_t Child(std::int32_t node, char16_t c) const;
    std::int32_t ChildOrNew(std::int32_t node, char16_t c);

    bool ignoreCase_;
    // Per node, the stack positions of the elements entered there, innermost
    // last. Node 0 is the empty prefix.
    std::vector<std::vector<std::int32_t>> entered_;
    std::unordered_map<std::uint64_t, std::int32_t> children_;
};

}  // namespace q5

/*
 * The system's own XML reader. It holds a whole document as one UTF-16 text,
 * builds a table of its elements in a single pass that never fails, and
 * walks the elements with a three-level position (parent, current, child)
 * to read the text of leaf elements with character references resolved.
 * The result text tells how the last file was read and the first problem
 * met while parsing. The language table is its only user.
 */
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "i18n/ElementTable.h"
#include "platform/TextFiles.h"

namespace q5 {

class XmlReader {
public:
    // Flags.
    static constexpr std::uint32_t kUtf16LeMark = 0x01;
    static constexpr std::uint32_t kUtf8Mark = 0x04;
    static constexpr std::uint32_t kIgnoreCase = 0x08;  // element names ignoring ASCII case
    static constexpr std::uint32_t kUtf16BeMark = 0x80;

    // Node kinds of the position.
    static constexpr std::int32_t kNoNode = 0;
    static constexpr std::int32_t kElementNode = 1;

    // An empty, parsed document ("Empty document").
    explicit XmlReader(TextFiles& files);
    XmlReader(const XmlReader&) = delete;
    XmlReader& operator=(const XmlReader&) = delete;

    // Replaces the document text with the file at `path` in whatever encoding
    // it has; the element table is rebuilt only by Parse. False when the
    // file cannot be opened or read (the document text is then empty).
    bool LoadFile(std::u16string_view path);

    // Rebuilds the element table from the document text. True when the
    // document is well formed with exactly one top-level element.
    bool Parse();

    void Rewind();
    // The next element named `name` (any element when empty) among the
    // children of the parent position, after the current position.
    bool FindNextElement(std::u16string_view name = {});
    // The next element named `name` (any element when empty) among the
    // children of the current element, after the child position.
    bool FindNextChild(std::u16string_view name = {});
    // Makes the child position the current one.
    bool StepIntoChild();
    // The text of the element at the child position; empty for an element
    // with child elements, an empty element and one never ended.
    std::u16string ChildText() const;

    const std::u16string& ResultText() const { return result_; }

    const std::u16string& DocumentText() const { return text_; }
    // For documents that do not come from a file: replaces the document text
    // as LoadFile does, with no load diagnostics.
    void SetDocumentText(std::u16string text) {
        text_ = std::move(text);
        result_.clear();
    }
    std::uint32_t Flags() const { return flags_; }
    void SetFlags(std::uint32_t flags) { flags_ = flags; }
    const ElementTable& Elements() const { return elements_; }
    // The name of element `index` as used for matching.
    std::u16string_view ElementName(std::int32_t index) const;

    std::int32_t ParentPosition() const { return parent_; }
    std::int32_t CurrentPosition() const { return current_; }
    std::int32_t ChildPosition() const { return child_; }
    std::int32_t NodeKind() const { return nodeKind_; }
    std::int32_t NodeOffset() const { return nodeOffset_; }
    std::int32_t NodeLength() const { return nodeLength_; }

private:
    // The first element from `index` on along the sibling chain whose name
    // matches, or 0.
    std::int32_t FindSibling(std::int32_t index, std::u16string_view name) const;
    bool Matches(std::int32_t index, std::u16string_view name) const;
    void AppendContent(std::size_t begin, std::size_t end, std::u16string& out) const;

    TextFiles& files_;
    std::u16string text_;
    std::u16string result_;
    std::uint32_t flags_ = 0;
    ElementTable elements_;
    std::int32_t parent_ = 0;
    std::int32_t current_ = 0;
    std::int32_t child_ = 0;
    std::int32_t nodeKind_ = kNoNode;
    std::int32_t nodeOffset_ = 0;
    std::int32_t nodeLength_ = 0;
};

}  // namespace q5

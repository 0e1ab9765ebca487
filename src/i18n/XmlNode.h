/*
 * One node of an XML text as the node scanner reports it, and the texts of
 * the problems a node can carry.
 */
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace q5 {

enum class NodeKind : std::int32_t {
    kEndOfDocument = -2,
    kMalformed = -1,
    kEndTag = 0,
    kStartTag = 1,
    kText = 2,
    kWhitespace = 4,
    kCData = 8,
    kProcessingInstruction = 16,
    kComment = 32,
    kDocumentType = 64,
};

enum class NodeProblem : std::uint8_t {
    kNone,
    kBadTagNameCharacter,
    kBadCommentTag,
    kBadTag,
    kBadBangTag,
    kUnterminatedStartTag,
    kUnterminatedEndTag,
    kUnterminatedCData,
    kUnterminatedProcessingInstruction,
    kUnterminatedComment,
    kUnterminatedDoctype,
    kUnterminatedTag,
};

struct XmlNode {
    static constexpr std::uint32_t kEmptyElement = 0x10000;  // start tag ends with "/>"

    NodeKind kind = NodeKind::kEndOfDocument;
    std::int32_t start = 0;
    std::int32_t length = 0;
    std::uint32_t flags = 0;
    // Start tag: its name; end tag: the name it closes; processing
    // instruction: its target. A view into the scanned text.
    std::u16string_view name;
    NodeProblem problem = NodeProblem::kNone;

    std::int32_t end() const { return start + length; }
};

// "Incorrect tag name character at offset 3", "Comment at offset 0
// unterminated", ...: the message of a malformed node.
std::u16string NodeProblemText(const XmlNode& node);

}  // namespace q5

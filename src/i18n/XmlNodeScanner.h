/*
 * The node scanner: reads an XML text one node at a time (tags, text,
 * whitespace, comments, CDATA sections, processing instructions, document
 * type declarations) without copying anything. It never fails: markup it
 * cannot read is reported as a malformed node with its problem, and
 * scanning goes on after it.
 */
#pragma once

#include <cstddef>
#include <string_view>

#include "i18n/XmlNode.h"

namespace q5 {

class XmlNodeScanner {
public:
    explicit XmlNodeScanner(std::u16string_view text) : text_(text) {}

    // Reads the node at `offset` into `node` and returns the offset just
    // after it.
    std::size_t Scan(std::size_t offset, XmlNode& node) const;

    std::u16string_view text() const { return text_; }

private:
    std::size_t ScanText(std::size_t offset, XmlNode& node) const;
    std::size_t ScanMarkup(std::size_t offset, XmlNode& node) const;
    std::size_t ScanBang(std::size_t offset, XmlNode& node) const;
    std::size_t ScanStartTag(std::size_t offset, XmlNode& node) const;
    std::size_t ScanEndTag(std::size_t offset, XmlNode& node) const;
    std::size_t ScanProcessingInstruction(std::size_t offset, XmlNode& node) const;
    std::size_t ScanDocumentType(std::size_t offset, XmlNode& node) const;

    // The node from `offset` through the terminator `close` (whose last
    // character is '>'); unterminated with `problem` at the end of the text.
    std::size_t ScanToTerminator(std::size_t offset, std::size_t from, std::u16string_view close,
                                 NodeKind kind, NodeProblem problem, XmlNode& node) const;
    // The stretch after a bad character: through the next '>' outside
    // quotes, or up to the next '<'.
    std::size_t ScanMalformed(std::size_t offset, NodeProblem problem, XmlNode& node) const;
    std::size_t Unterminated(std::size_t offset, NodeProblem problem, XmlNode& node) const;
    std::size_t Finish(std::size_t offset, std::size_t end, NodeKind kind, XmlNode& node) const;

    // The offset of the first '>' at or after `from` that is outside single
    // or double quotes, or npos.
    std::size_t FindCloseOutsideQuotes(std::size_t from) const;
    // The offset of the '>' of the first `close` whose first character is at
    // or after `from`, or npos.
    std::size_t FindTerminator(std::size_t from, std::u16string_view close) const;

    std::u16string_view text_;
};

// The name of the element whose '<' is at `offset`, as names are read for
// matching: leading whitespace skipped, up to the first whitespace or any of
// <>=\/?!"'; (that character alone if the name would be empty).
std::u16string_view ReadName(std::u16string_view text, std::size_t offset);

// Whether `token` (from a document) names `query`: the query starts with the
// token and ends there or continues with one of " =/[]".
bool TokenMatches(std::u16string_view token, std::u16string_view query, bool ignoreCase);

// The characters of " =/[]" at which a query may end after a matching token.
inline bool EndsMatchedToken(char16_t c) {
    return c == u' ' || c == u'=' || c == u'/' || c == u'[' || c == u']';
}

// `c` with the ASCII capitals as small letters.
inline char16_t FoldAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// TokenMatches(ReadName(text, offset), query, ignoreCase) in one pass that
// stops at the first difference.
bool NameMatchesAt(std::u16string_view text, std::size_t offset, std::u16string_view query,
                   bool ignoreCase);

bool IsXmlSpace(char16_t c);

}  // namespace q5

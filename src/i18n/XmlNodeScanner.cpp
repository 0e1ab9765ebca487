#include "i18n/XmlNodeScanner.h"

#include <array>
#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace q5 {
namespace {

constexpr std::size_t npos = std::u16string_view::npos;

// Character classes of the ASCII range; everything from U+0080 is in none.
enum CharClass : std::uint8_t {
    kSpace = 0x01,       // space, tab, line feed, carriage return
    kTextStop = 0x02,    // '<' and '>' end a text node
    kTagNameEnd = 0x04,  // a tag name ends before whitespace, '/' and '>'
    kNameEnd = 0x08,     // a name read for matching ends before these too
    kNameStart = 0x10,   // a start tag's name may begin with these
};

constexpr std::array<std::uint8_t, 128> MakeClasses() {
    std::array<std::uint8_t, 128> classes{};
    for (char c : {' ', '\t', '\n', '\r'}) {
        classes[static_cast<std::size_t>(c)] |= kSpace | kTagNameEnd | kNameEnd;
    }
    classes['<'] |= kTextStop;
    classes['>'] |= kTextStop | kTagNameEnd;
    classes['/'] |= kTagNameEnd;
    for (char c : {'<', '>', '=', '\\', '/', '?', '!', '"', '\'', ';'}) {
        classes[static_cast<std::size_t>(c)] |= kNameEnd;
    }
    for (char c = 'a'; c <= 'z'; ++c) {
        classes[static_cast<std::size_t>(c)] |= kNameStart;
        classes[static_cast<std::size_t>(c - 'a' + 'A')] |= kNameStart;
    }
    classes[':'] |= kNameStart;
    classes['_'] |= kNameStart;
    classes['{'] |= kNameStart;
    classes['|'] |= kNameStart;
    classes['}'] |= kNameStart;
    classes['~'] |= kNameStart;
    classes[0x7F] |= kNameStart;
    return classes;
}

constexpr std::array<std::uint8_t, 128> kClasses = MakeClasses();

inline bool Is(char16_t c, std::uint8_t charClass) {
    return c < 0x80 && (kClasses[c] & charClass) != 0;
}

inline bool IsNameStart(char16_t c) {
    return c >= 0x80 || (kClasses[c] & kNameStart) != 0;
}

constexpr std::u16string_view kCommentClose = u"-->";
constexpr std::u16string_view kCDataClose = u"]]>";
constexpr std::u16string_view kInstructionClose = u"?>";

// The offset of the first '<' or '>' at or after `from`, or `size`. Text is
// most of a document, so this runs eight units at a time where it can.
std::size_t FindTextStop(const char16_t* data, std::size_t from, std::size_t size) {
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i less = _mm_set1_epi16(u'<');
    const __m128i greater = _mm_set1_epi16(u'>');
    for (; i + 8 <= size; i += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const __m128i hits =
            _mm_or_si128(_mm_cmpeq_epi16(units, less), _mm_cmpeq_epi16(units, greater));
        const auto mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
        if (mask != 0) {
            return i + static_cast<std::size_t>(std::countr_zero(mask)) / 2;
        }
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == u'<' || data[i] == u'>') {
            return i;
        }
    }
    return size;
}

}  // namespace

bool IsXmlSpace(char16_t c) {
    return Is(c, kSpace);
}

std::u16string_view ReadName(std::u16string_view text, std::size_t offset) {
    std::size_t begin = offset + 1;
    while (begin < text.size() && Is(text[begin], kSpace)) {
        ++begin;
    }
    std::size_t end = begin;
    while (end < text.size() && !Is(text[end], kNameEnd)) {
        ++end;
    }
    if (end == begin && end < text.size()) {
        ++end;
    }
    return text.substr(begin < text.size() ? begin : text.size(), end - begin);
}

bool NameMatchesAt(std::u16string_view text, std::size_t offset, std::u16string_view query,
                   bool ignoreCase) {
    std::size_t begin = offset + 1;
    while (begin < text.size() && Is(text[begin], kSpace)) {
        ++begin;
    }
    if (begin >= text.size() || Is(text[begin], kNameEnd)) {
        return TokenMatches(ReadName(text, offset), query, ignoreCase);
    }
    for (std::size_t j = 0;; ++j) {
        const std::size_t at = begin + j;
        if (at == text.size() || Is(text[at], kNameEnd)) {
            return TokenMatches(text.substr(begin, j), query, ignoreCase);
        }
        if (j == query.size()) {
            return false;
        }
        const char16_t c = text[at];
        if (ignoreCase ? FoldAscii(c) != FoldAscii(query[j]) : c != query[j]) {
            return false;
        }
    }
}

bool TokenMatches(std::u16string_view token, std::u16string_view query, bool ignoreCase) {
    const std::size_t n = token.size();
    if (query.size() < n) {
        return false;
    }
    if (ignoreCase) {
        for (std::size_t i = 0; i < n; ++i) {
            if (FoldAscii(token[i]) != FoldAscii(query[i])) {
                return false;
            }
        }
    } else if (query.compare(0, n, token) != 0) {
        return false;
    }
    if (query.size() == n) {
        return true;
    }
    return EndsMatchedToken(query[n]);
}

std::size_t XmlNodeScanner::Scan(std::size_t offset, XmlNode& node) const {
    node.flags = 0;
    node.name = {};
    node.problem = NodeProblem::kNone;
    if (offset >= text_.size()) {
        return Finish(text_.size(), text_.size(), NodeKind::kEndOfDocument, node);
    }
    if (text_[offset] != u'<') {
        return ScanText(offset, node);
    }
    return ScanMarkup(offset, node);
}

std::size_t XmlNodeScanner::Finish(std::size_t offset, std::size_t end, NodeKind kind,
                                   XmlNode& node) const {
    node.kind = kind;
    node.start = static_cast<std::int32_t>(offset);
    node.length = static_cast<std::int32_t>(end - offset);
    return end;
}

std::size_t XmlNodeScanner::ScanText(std::size_t offset, XmlNode& node) const {
    const char16_t* const data = text_.data();
    const std::size_t size = text_.size();
    std::size_t i = offset;
    while (i < size && Is(data[i], kSpace)) {
        ++i;
    }
    if (i == size || data[i] == u'<') {
        return Finish(offset, i, NodeKind::kWhitespace, node);
    }
    i = FindTextStop(data, i, size);
    if (i < size && data[i] == u'>') {
        return Finish(offset, i + 1, NodeKind::kText, node);
    }
    return Finish(offset, i, NodeKind::kText, node);
}

std::size_t XmlNodeScanner::ScanMarkup(std::size_t offset, XmlNode& node) const {
    if (offset + 1 >= text_.size()) {
        return Unterminated(offset, NodeProblem::kUnterminatedTag, node);
    }
    const char16_t c = text_[offset + 1];
    if (c == u'/') {
        return ScanEndTag(offset, node);
    }
    if (IsNameStart(c)) {
        return ScanStartTag(offset, node);
    }
    if (c == u'!') {
        return ScanBang(offset, node);
    }
    if (c == u'?') {
        return ScanProcessingInstruction(offset, node);
    }
    return ScanMalformed(offset, NodeProblem::kBadTagNameCharacter, node);
}

std::size_t XmlNodeScanner::ScanBang(std::size_t offset, XmlNode& node) const {
    if (offset + 2 >= text_.size()) {
        return Unterminated(offset, NodeProblem::kUnterminatedTag, node);
    }
    const char16_t c = text_[offset + 2];
    const bool more = offset + 3 < text_.size();
    switch (c) {
        case u'-':
            if (!more) {
                return Unterminated(offset, NodeProblem::kUnterminatedComment, node);
            }
            if (text_[offset + 3] != u'-') {
                return ScanMalformed(offset, NodeProblem::kBadCommentTag, node);
            }
            return ScanToTerminator(offset, offset + 2, kCommentClose, NodeKind::kComment,
                                    NodeProblem::kUnterminatedComment, node);
        case u'[':
            if (!more) {
                return Unterminated(offset, NodeProblem::kUnterminatedCData, node);
            }
            if (text_[offset + 3] != u'C') {
                return ScanMalformed(offset, NodeProblem::kBadTag, node);
            }
            return ScanToTerminator(offset, offset + 2, kCDataClose, NodeKind::kCData,
                                    NodeProblem::kUnterminatedCData, node);
        case u'D':
            return ScanDocumentType(offset, node);
        case u'E':
        case u'A':
        case u'N': {
            const std::size_t close = FindCloseOutsideQuotes(offset + 3);
            if (close == npos) {
                return Unterminated(offset, NodeProblem::kUnterminatedDoctype, node);
            }
            return Finish(offset, close + 1, NodeKind::kDocumentType, node);
        }
        default:
            return ScanMalformed(offset, NodeProblem::kBadBangTag, node);
    }
}

std::size_t XmlNodeScanner::ScanStartTag(std::size_t offset, XmlNode& node) const {
    const char16_t* const data = text_.data();
    const std::size_t size = text_.size();
    std::size_t nameEnd = offset + 1;
    while (nameEnd < size && !Is(data[nameEnd], kTagNameEnd)) {
        ++nameEnd;
    }
    node.name = text_.substr(offset + 1, nameEnd - offset - 1);
    std::size_t i = nameEnd;
    while (i < size) {
        const char16_t c = data[i];
        if (c == u'>') {
            const bool empty = i > nameEnd && data[i - 1] == u'/' &&
                               (i - 1 == nameEnd || Is(data[i - 2], kSpace) ||
                                data[i - 2] == u'\'' || data[i - 2] == u'"');
            node.flags = empty ? XmlNode::kEmptyElement : 0;
            return Finish(offset, i + 1, NodeKind::kStartTag, node);
        }
        ++i;
        if (c != u'=') {
            continue;
        }
        while (i < size && Is(data[i], kSpace)) {
            ++i;
        }
        if (i < size && (data[i] == u'"' || data[i] == u'\'')) {
            const std::size_t closing = text_.find(data[i], i + 1);
            if (closing == npos) {
                break;
            }
            i = closing + 1;
        }
    }
    node.name = {};
    return Unterminated(offset, NodeProblem::kUnterminatedStartTag, node);
}

std::size_t XmlNodeScanner::ScanEndTag(std::size_t offset, XmlNode& node) const {
    const char16_t* const data = text_.data();
    const std::size_t size = text_.size();
    std::size_t nameEnd = offset + 2;
    while (nameEnd < size && !Is(data[nameEnd], kTagNameEnd)) {
        ++nameEnd;
    }
    const std::size_t close = text_.find(u'>', nameEnd);
    if (close == npos) {
        return Unterminated(offset, NodeProblem::kUnterminatedEndTag, node);
    }
    node.name = text_.substr(offset + 2, nameEnd - offset - 2);
    return Finish(offset, close + 1, NodeKind::kEndTag, node);
}

std::size_t XmlNodeScanner::ScanProcessingInstruction(std::size_t offset, XmlNode& node) const {
    const std::size_t next =
        ScanToTerminator(offset, offset + 1, kInstructionClose, NodeKind::kProcessingInstruction,
                         NodeProblem::kUnterminatedProcessingInstruction, node);
    if (node.kind == NodeKind::kProcessingInstruction) {
        std::size_t nameEnd = offset + 2;
        while (nameEnd < next && !Is(text_[nameEnd], kNameEnd)) {
            ++nameEnd;
        }
        node.name = text_.substr(offset + 2, nameEnd - offset - 2);
    }
    return next;
}

std::size_t XmlNodeScanner::ScanDocumentType(std::size_t offset, XmlNode& node) const {
    const std::size_t size = text_.size();
    std::size_t i = offset + 2;
    while (i < size) {
        const char16_t c = text_[i];
        if (c == u'>') {
            return Finish(offset, i + 1, NodeKind::kDocumentType, node);
        }
        if (c != u'<') {
            ++i;
            continue;
        }
        // Markup nested in the declaration ends at its own terminator.
        std::size_t close;
        const char16_t kind = i + 1 < size ? text_[i + 1] : u'\0';
        const char16_t sub = i + 2 < size ? text_[i + 2] : u'\0';
        if (kind == u'!' && sub == u'-' && i + 3 < size && text_[i + 3] == u'-') {
            close = FindTerminator(i + 2, kCommentClose);
        } else if (kind == u'!' && (sub == u'E' || sub == u'A' || sub == u'N')) {
            close = FindCloseOutsideQuotes(i + 3);
        } else if (kind == u'?') {
            close = FindTerminator(i + 1, kInstructionClose);
        } else {
            close = text_.find(u'>', i + 1);
        }
        if (close == npos) {
            break;
        }
        i = close + 1;
    }
    return Unterminated(offset, NodeProblem::kUnterminatedDoctype, node);
}

std::size_t XmlNodeScanner::ScanToTerminator(std::size_t offset, std::size_t from,
                                             std::u16string_view close, NodeKind kind,
                                             NodeProblem problem, XmlNode& node) const {
    const std::size_t end = FindTerminator(from, close);
    if (end == npos) {
        return Unterminated(offset, problem, node);
    }
    return Finish(offset, end + 1, kind, node);
}

std::size_t XmlNodeScanner::ScanMalformed(std::size_t offset, NodeProblem problem,
                                          XmlNode& node) const {
    char16_t quote = 0;
    for (std::size_t i = offset + 1; i < text_.size(); ++i) {
        const char16_t c = text_[i];
        if (c == u'<') {
            node.problem = problem;
            return Finish(offset, i, NodeKind::kMalformed, node);
        }
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'>') {
            node.problem = problem;
            return Finish(offset, i + 1, NodeKind::kMalformed, node);
        }
    }
    return Unterminated(offset, NodeProblem::kUnterminatedTag, node);
}

std::size_t XmlNodeScanner::Unterminated(std::size_t offset, NodeProblem problem,
                                         XmlNode& node) const {
    node.problem = problem;
    node.flags = 0;
    return Finish(offset, text_.size(), NodeKind::kMalformed, node);
}

std::size_t XmlNodeScanner::FindCloseOutsideQuotes(std::size_t from) const {
    char16_t quote = 0;
    for (std::size_t i = from; i < text_.size(); ++i) {
        const char16_t c = text_[i];
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'>') {
            return i;
        }
    }
    return npos;
}

std::size_t XmlNodeScanner::FindTerminator(std::size_t from, std::u16string_view close) const {
    const std::size_t lead = close.size() - 1;
    for (std::size_t i = text_.find(u'>', from + lead); i != npos; i = text_.find(u'>', i + 1)) {
        if (text_.compare(i - lead, lead, close.substr(0, lead)) == 0) {
            return i;
        }
    }
    return npos;
}

}  // namespace q5

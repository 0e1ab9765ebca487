#include "i18n/DeclaredEncoding.h"

#include "i18n/XmlNode.h"
#include "i18n/XmlNodeScanner.h"

namespace q5 {
namespace {

constexpr std::u16string_view kDelimiters = u"<>=\\/?!\"';";

bool IsDelimiter(char16_t c) {
    return kDelimiters.find(c) != std::u16string_view::npos;
}

std::size_t SkipSpace(std::u16string_view text, std::size_t pos) {
    while (pos < text.size() && IsXmlSpace(text[pos])) {
        ++pos;
    }
    return pos;
}

// The name or single delimiter character at `pos` (after whitespace).
std::u16string_view NextToken(std::u16string_view text, std::size_t& pos) {
    pos = SkipSpace(text, pos);
    const std::size_t begin = pos;
    if (pos < text.size() && IsDelimiter(text[pos])) {
        ++pos;
    } else {
        while (pos < text.size() && !IsXmlSpace(text[pos]) && !IsDelimiter(text[pos])) {
            ++pos;
        }
    }
    return text.substr(begin, pos - begin);
}

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && TokenMatches(a, b, true);
}

// The token after "charset" "=" in a Content-Type value.
std::u16string CharsetOf(std::u16string_view content) {
    std::size_t pos = 0;
    std::u16string_view previous;
    std::u16string_view beforePrevious;
    for (;;) {
        const std::u16string_view token = NextToken(content, pos);
        if (token.empty()) {
            return {};
        }
        if (previous == u"=" && EqualsIgnoringCase(beforePrevious, u"charset")) {
            return std::u16string(token);
        }
        beforePrevious = previous;
        previous = token;
    }
}

// What a `meta` tag says about the encoding, or none when it is not the
// Content-Type one.
std::optional<std::u16string> MetaCharset(std::u16string_view tag) {
    const auto equiv = FindAttribute(tag, u"http-equiv");
    if (!equiv || !EqualsIgnoringCase(*equiv, u"Content-Type")) {
        return std::nullopt;
    }
    const auto content = FindAttribute(tag, u"content");
    return content ? CharsetOf(*content) : std::u16string();
}

}  // namespace

std::optional<std::u16string_view> FindAttribute(std::u16string_view markup,
                                                 std::u16string_view name) {
    const std::u16string_view tagName =
        ReadName(markup, markup.size() > 1 && markup[1] == u'?' ? 1 : 0);
    std::size_t pos = static_cast<std::size_t>(tagName.data() - markup.data()) + tagName.size();
    while (pos < markup.size()) {
        const std::u16string_view attribute = NextToken(markup, pos);
        if (attribute.empty()) {
            break;
        }
        if (IsDelimiter(attribute[0])) {
            continue;
        }
        std::u16string_view value = attribute;
        pos = SkipSpace(markup, pos);
        if (pos < markup.size() && markup[pos] == u'=') {
            pos = SkipSpace(markup, pos + 1);
            const std::size_t begin = pos;
            if (pos < markup.size() && (markup[pos] == u'"' || markup[pos] == u'\'')) {
                const std::size_t closing = markup.find(markup[pos], pos + 1);
                const std::size_t end =
                    closing == std::u16string_view::npos ? markup.size() : closing;
                value = markup.substr(begin + 1, end - begin - 1);
                pos = end + 1;
            } else {
                while (pos < markup.size() && !IsXmlSpace(markup[pos]) && markup[pos] != u'>') {
                    ++pos;
                }
                value = markup.substr(begin, pos - begin);
            }
        }
        if (TokenMatches(attribute, name, true)) {
            return value;
        }
    }
    return std::nullopt;
}

std::u16string FindDeclaredEncoding(std::u16string_view sample) {
    const XmlNodeScanner scanner(sample);
    XmlNode node;
    std::size_t offset = 0;
    bool tagSeen = false;
    bool instructionSeen = false;
    bool html = false;
    for (;;) {
        offset = scanner.Scan(offset, node);
        const std::u16string_view markup = sample.substr(static_cast<std::size_t>(node.start),
                                                         static_cast<std::size_t>(node.length));
        switch (node.kind) {
            case NodeKind::kEndOfDocument:
            case NodeKind::kMalformed:
                return {};
            case NodeKind::kProcessingInstruction:
                if (!instructionSeen && !tagSeen && TokenMatches(node.name, u"xml", true)) {
                    return std::u16string(FindAttribute(markup, u"encoding").value_or(u""));
                }
                instructionSeen = true;
                break;
            case NodeKind::kStartTag: {
                tagSeen = true;
                const std::u16string_view name = ReadName(markup, 0);
                if (!html) {
                    if (!TokenMatches(name, u"html", true)) {
                        return {};
                    }
                    html = true;
                } else if (TokenMatches(name, u"meta", true)) {
                    if (auto charset = MetaCharset(markup)) {
                        return *charset;
                    }
                }
                break;
            }
            case NodeKind::kEndTag:
                tagSeen = true;
                if (TokenMatches(node.name, u"head", true)) {
                    return {};
                }
                break;
            default:
                break;
        }
    }
}

}  // namespace q5

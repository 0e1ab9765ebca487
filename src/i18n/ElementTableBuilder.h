/*
 * Builds the element table of a document in one forward pass that never
 * fails: an end tag without an open element is ignored, malformed markup is
 * skipped, and an element left open is closed just after its start tag with
 * its children moved up beside it. The first problem met is described in
 * the problem text.
 */
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/ElementTable.h"
#include "i18n/XmlNode.h"
#include "i18n/XmlNodeScanner.h"

namespace q5 {

class ElementTableBuilder {
public:
    // `table` must hold record 0 only; `problem` receives the first
    // problem's text while it is empty.
    ElementTableBuilder(std::u16string_view text, ElementTable& table, std::u16string& problem,
                        bool ignoreCase);

    void Build();

private:
    struct OpenElement {
        std::int32_t index;
        std::u16string_view name;
    };

    void OnStartTag(const XmlNode& node);
    void OnEndTag(const XmlNode& node);
    void OnUnmatchedEndTag(const XmlNode& node);
    void OnMalformed(const XmlNode& node);
    void Push(const OpenElement& element);
    // Closes the innermost open element without an end tag.
    void CloseImplicitly();
    void LinkAsLastChild(std::int32_t parent, std::int32_t child);
    void MarkProblem();
    // Children of implicitly closed elements were moved up to the nearest
    // ancestor that was ended; their parent fields are settled here, once.
    void SettleParents();
    bool Recording() const { return problem_.empty(); }

    XmlNodeScanner scanner_;
    ElementTable& table_;
    std::u16string& problem_;
    bool ignoreCase_;
    std::vector<OpenElement> open_;
    // The end tag that forces implicit closes, null at the end of the text.
    const XmlNode* closingTag_ = nullptr;
};

}  // namespace q5

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
#include "i18n/OpenElementIndex.h"
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
    OpenElement Pop();
    // How many open elements, outermost first, lead to the innermost one
    // that the end tag's `token` names (its position + 1), or 0 for none.
    std::size_t FindOpen(std::u16string_view token);
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
    // The innermost open elements are compared with an end tag one by one;
    // the outer ones, open_[0] to open_[indexed_ - 1], are found through
    // the index, entered only once an end tag has to look below the inner
    // ones, so that a well-formed document never builds it.
    OpenElementIndex index_;
    std::size_t indexed_ = 0;
    // The end tag that forces implicit closes, null at the end of the text.
    const XmlNode* closingTag_ = nullptr;
};

}  // namespace q5

#include "i18n/ElementTableBuilder.h"

#include <algorithm>
#include <string>

namespace q5 {
namespace {

constexpr std::size_t kInitialStack = 6;
// Open elements compared one by one with an end tag before the index is asked.
constexpr std::size_t kCompareDepth = 8;

std::u16string Number(std::int32_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

ElementTableBuilder::ElementTableBuilder(std::u16string_view text, ElementTable& table,
                                         std::u16string& problem, bool ignoreCase)
    : scanner_(text),
      table_(table),
      problem_(problem),
      ignoreCase_(ignoreCase),
      index_(ignoreCase) {
    open_.reserve(kInitialStack);
}

void ElementTableBuilder::Build() {
    XmlNode node;
    std::size_t offset = 0;
    for (;;) {
        offset = scanner_.Scan(offset, node);
        switch (node.kind) {
            case NodeKind::kStartTag:
                OnStartTag(node);
                break;
            case NodeKind::kEndTag:
                OnEndTag(node);
                break;
            case NodeKind::kMalformed:
                OnMalformed(node);
                break;
            case NodeKind::kEndOfDocument:
                closingTag_ = nullptr;
                while (!open_.empty()) {
                    CloseImplicitly();
                }
                SettleParents();
                return;
            default:
                break;
        }
    }
}

void ElementTableBuilder::OnStartTag(const XmlNode& node) {
    const std::int32_t parent = open_.empty() ? 0 : open_.back().index;
    const std::int32_t index = table_.Append();
    ElementRecord& record = table_[index];
    record.start = node.start;
    const auto tagLength = static_cast<std::uint32_t>(node.length);
    if (tagLength > ElementRecord::kMaxStartTagLength) {
        // Too long to be recorded: its text is never taken.
        record.levelAndFlags |= ElementRecord::kProblem;
        table_[0].levelAndFlags |= ElementRecord::kIllFormed;
    }
    record.SetTagLengths(std::min(tagLength, ElementRecord::kMaxStartTagLength), 0);
    record.levelAndFlags |= static_cast<std::uint32_t>(open_.size()) & ElementRecord::kLevelMask;
    record.parent = parent;
    LinkAsLastChild(parent, index);
    if (node.flags & XmlNode::kEmptyElement) {
        table_[index].length = node.length;
    } else {
        Push({index, node.name});
    }
}

void ElementTableBuilder::Push(const OpenElement& element) {
    if (open_.size() == open_.capacity()) {
        open_.reserve(open_.capacity() * 2 + kInitialStack);
    }
    open_.push_back(element);
}

ElementTableBuilder::OpenElement ElementTableBuilder::Pop() {
    const OpenElement element = open_.back();
    open_.pop_back();
    if (open_.size() < indexed_) {
        index_.RemoveLast(element.name);
        indexed_ = open_.size();
    }
    return element;
}

std::size_t ElementTableBuilder::FindOpen(std::u16string_view token) {
    const std::size_t compareTo = open_.size() > kCompareDepth ? open_.size() - kCompareDepth : 0;
    for (std::size_t match = open_.size(); match > compareTo; --match) {
        if (TokenMatches(token, open_[match - 1].name, ignoreCase_)) {
            return match;
        }
    }
    for (; indexed_ < compareTo; ++indexed_) {
        index_.Add(open_[indexed_].name, static_cast<std::int32_t>(indexed_));
    }
    // Elements entered above compareTo were compared already and do not match.
    return static_cast<std::size_t>(index_.Innermost(token) + 1);
}

void ElementTableBuilder::LinkAsLastChild(std::int32_t parent, std::int32_t child) {
    ElementRecord& parentRecord = table_[parent];
    ElementRecord& childRecord = table_[child];
    if (parentRecord.firstChild == 0) {
        parentRecord.firstChild = child;
        childRecord.previousSibling = child;
        childRecord.levelAndFlags |= ElementRecord::kFirstChild;
        return;
    }
    ElementRecord& first = table_[parentRecord.firstChild];
    const std::int32_t last = first.previousSibling;
    table_[last].nextSibling = child;
    childRecord.previousSibling = last;
    first.previousSibling = child;
}

void ElementTableBuilder::OnEndTag(const XmlNode& node) {
    const std::size_t match = FindOpen(node.name);
    if (match == 0) {
        OnUnmatchedEndTag(node);
        return;
    }
    const std::int32_t index = open_[match - 1].index;
    ElementRecord& record = table_[index];
    record.length = node.end() - record.start;
    auto endTagLength = static_cast<std::uint32_t>(node.length);
    if (endTagLength > ElementRecord::kMaxEndTagLength) {
        // Too long to be recorded: its text is never taken.
        endTagLength = ElementRecord::kMaxEndTagLength;
        record.levelAndFlags |= ElementRecord::kProblem;
        table_[0].levelAndFlags |= ElementRecord::kIllFormed;
    }
    record.SetTagLengths(record.startTagLength(), endTagLength);
    closingTag_ = &node;
    while (open_.size() > match) {
        CloseImplicitly();
    }
    closingTag_ = nullptr;
    Pop();
}

void ElementTableBuilder::OnUnmatchedEndTag(const XmlNode& node) {
    MarkProblem();
    if (Recording()) {
        problem_ = u"No start tag for end tag '" + std::u16string(node.name) + u"' at offset " +
                   Number(node.start);
    }
}

void ElementTableBuilder::OnMalformed(const XmlNode& node) {
    MarkProblem();
    if (Recording()) {
        problem_ = NodeProblemText(node);
    }
}

void ElementTableBuilder::MarkProblem() {
    table_[0].levelAndFlags |= ElementRecord::kIllFormed;
    table_[open_.empty() ? 0 : open_.back().index].levelAndFlags |= ElementRecord::kProblem;
}

void ElementTableBuilder::CloseImplicitly() {
    const OpenElement element = Pop();
    const std::int32_t parent = open_.empty() ? 0 : open_.back().index;
    table_[0].levelAndFlags |= ElementRecord::kIllFormed;

    ElementRecord& record = table_[element.index];
    record.length = static_cast<std::int32_t>(record.startTagLength());
    record.SetTagLengths(record.startTagLength(), 0);
    record.levelAndFlags |= ElementRecord::kNotEnded;
    if (record.firstChild != 0) {
        // The element is its parent's last child: its children follow it.
        const std::int32_t first = record.firstChild;
        ElementRecord& firstRecord = table_[first];
        const std::int32_t last = firstRecord.previousSibling;
        firstRecord.levelAndFlags &= ~ElementRecord::kFirstChild;
        firstRecord.previousSibling = element.index;
        record.nextSibling = first;
        record.firstChild = 0;
        table_[table_[parent].firstChild].previousSibling = last;
    }
    if (record.Has(ElementRecord::kProblem)) {
        record.levelAndFlags &= ~ElementRecord::kProblem;
        table_[parent].levelAndFlags |= ElementRecord::kProblem;
    }
    if (!Recording()) {
        return;
    }
    const std::u16string name(element.name);
    if (closingTag_ == nullptr) {
        problem_ = u"Element '" + name + u"' at offset " + Number(record.start) + u" not ended";
    } else {
        problem_ = u"End tag '" + std::u16string(closingTag_->name) + u"' at offset " +
                   Number(closingTag_->start + 1) + u" does not match start tag '" + name +
                   u"' at offset " + Number(record.start);
    }
}

void ElementTableBuilder::SettleParents() {
    // A parent always comes before its children, so its own parent is
    // already settled when a child looks at it.
    for (std::int32_t i = 1; i < table_.size(); ++i) {
        ElementRecord& record = table_[i];
        const ElementRecord& parent = table_[record.parent];
        if (record.parent != 0 && parent.Has(ElementRecord::kNotEnded)) {
            record.parent = parent.parent;
        }
    }
}

}  // namespace q5

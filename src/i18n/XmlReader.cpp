#include "i18n/XmlReader.h"

#include <algorithm>
#include <cstdint>

#include "i18n/CharacterReferences.h"
#include "i18n/ElementTableBuilder.h"
#include "i18n/XmlFileLoader.h"
#include "i18n/XmlNodeScanner.h"

namespace q5 {
namespace {

// One element record is reserved per this many code units of text.
constexpr std::size_t kTextPerRecord = 64;
constexpr std::int32_t kExtraRecords = 8;

constexpr std::u16string_view kCDataOpen = u"<![CDATA[";
constexpr std::u16string_view kCDataClose = u"]]>";

}  // namespace

XmlReader::XmlReader(TextFiles& files) : files_(files) {
    Parse();
}

bool XmlReader::LoadFile(std::u16string_view path) {
    XmlFileLoader loader(files_);
    return loader.Load(path, text_, flags_, result_);
}

bool XmlReader::Parse() {
    const std::u16string loadText = std::move(result_);
    result_.clear();
    Rewind();
    elements_.Reset(static_cast<std::int32_t>(
        std::min<std::size_t>(text_.size() / kTextPerRecord + kExtraRecords, INT32_MAX)));
    elements_.Append();
    if (text_.empty()) {
        result_ = u"Empty document";
    } else {
        ElementTableBuilder(text_, elements_, result_, (flags_ & kIgnoreCase) != 0).Build();
        ElementRecord& document = elements_[0];
        document.length = static_cast<std::int32_t>(text_.size());
        if (document.firstChild == 0) {
            result_ = u"No root element";
        } else if (elements_[document.firstChild].nextSibling != 0) {
            result_ = u"Root element has sibling";
        }
    }
    if (!loadText.empty()) {
        result_ = result_.empty() ? loadText : loadText + u" " + result_;
    }
    const ElementRecord& document = elements_[0];
    return !document.Has(ElementRecord::kIllFormed) && document.firstChild != 0 &&
           elements_[document.firstChild].nextSibling == 0;
}

void XmlReader::Rewind() {
    parent_ = 0;
    current_ = 0;
    child_ = 0;
    nodeKind_ = kNoNode;
    nodeOffset_ = 0;
    nodeLength_ = 0;
}

std::u16string_view XmlReader::ElementName(std::int32_t index) const {
    return ReadName(text_, static_cast<std::size_t>(elements_[index].start));
}

bool XmlReader::Matches(std::int32_t index, std::u16string_view name) const {
    return name.empty() || NameMatchesAt(text_, static_cast<std::size_t>(elements_[index].start),
                                         name, (flags_ & kIgnoreCase) != 0);
}

std::int32_t XmlReader::FindSibling(std::int32_t index, std::u16string_view name) const {
    while (index != 0 && !Matches(index, name)) {
        index = elements_[index].nextSibling;
    }
    return index;
}

bool XmlReader::FindNextElement(std::u16string_view name) {
    const std::int32_t from =
        current_ != 0 ? elements_[current_].nextSibling : elements_[parent_].firstChild;
    const std::int32_t found = FindSibling(from, name);
    if (found == 0) {
        return false;
    }
    current_ = found;
    parent_ = elements_[found].parent;
    child_ = 0;
    nodeKind_ = kElementNode;
    nodeOffset_ = 0;
    nodeLength_ = 0;
    return true;
}

bool XmlReader::FindNextChild(std::u16string_view name) {
    if (current_ == 0) {
        FindNextElement();
    }
    const std::int32_t from =
        child_ != 0 ? elements_[child_].nextSibling : elements_[current_].firstChild;
    const std::int32_t found = FindSibling(from, name);
    if (found == 0) {
        return false;
    }
    child_ = found;
    current_ = elements_[found].parent;
    parent_ = elements_[current_].parent;
    nodeKind_ = kElementNode;
    nodeOffset_ = 0;
    nodeLength_ = 0;
    return true;
}

bool XmlReader::StepIntoChild() {
    if (current_ == 0 || nodeKind_ != kElementNode) {
        return false;
    }
    parent_ = current_;
    current_ = child_;
    child_ = 0;
    nodeOffset_ = 0;
    nodeLength_ = 0;
    nodeKind_ = current_ != 0 ? kElementNode : kNoNode;
    return true;
}

std::u16string XmlReader::ChildText() const {
    if (child_ == 0) {
        return {};
    }
    const ElementRecord& record = elements_[child_];
    const std::uint32_t startTag = record.startTagLength();
    const std::uint32_t endTag = record.endTagLength();
    if (record.firstChild != 0 || endTag == 0 || record.Has(ElementRecord::kNotEnded) ||
        startTag == ElementRecord::kMaxStartTagLength ||
        endTag == ElementRecord::kMaxEndTagLength) {
        return {};
    }
    const auto begin = static_cast<std::size_t>(record.start) + startTag;
    const auto end =
        static_cast<std::size_t>(record.start) + static_cast<std::size_t>(record.length) - endTag;
    std::u16string out;
    if (begin < end && end <= text_.size()) {
        AppendContent(begin, end, out);
    }
    return out;
}

void XmlReader::AppendContent(std::size_t begin, std::size_t end, std::u16string& out) const {
    const std::u16string_view content = std::u16string_view(text_).substr(begin, end - begin);
    if (content.find(u'<') == std::u16string_view::npos) {
        AppendResolved(content, out);
        return;
    }
    const XmlNodeScanner scanner(std::u16string_view(text_).substr(0, end));
    XmlNode node;
    for (std::size_t offset = begin; offset < end;) {
        offset = scanner.Scan(offset, node);
        const std::u16string_view nodeText = scanner.text().substr(
            static_cast<std::size_t>(node.start), static_cast<std::size_t>(node.length));
        if (node.kind == NodeKind::kText) {
            AppendResolved(nodeText, out);
        } else if (node.kind == NodeKind::kCData &&
                   nodeText.size() >= kCDataOpen.size() + kCDataClose.size()) {
            out.append(nodeText.substr(kCDataOpen.size(),
                                       nodeText.size() - kCDataOpen.size() - kCDataClose.size()));
        }
    }
}

}  // namespace q5

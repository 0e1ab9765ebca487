#include "i18n/XmlNode.h"

namespace q5 {
namespace {

const char* IncorrectWhat(NodeProblem problem) {
    switch (problem) {
        case NodeProblem::kBadTagNameCharacter:
            return "tag name character";
        case NodeProblem::kBadCommentTag:
            return "comment tag";
        case NodeProblem::kBadTag:
            return "tag";
        case NodeProblem::kBadBangTag:
            return "! tag";
        default:
            return nullptr;
    }
}

const char* UnterminatedWhat(NodeProblem problem) {
    switch (problem) {
        case NodeProblem::kUnterminatedStartTag:
            return "Element tag";
        case NodeProblem::kUnterminatedEndTag:
            return "Element end tag";
        case NodeProblem::kUnterminatedCData:
            return "CDATA Section";
        case NodeProblem::kUnterminatedProcessingInstruction:
            return "Processing instruction";
        case NodeProblem::kUnterminatedComment:
            return "Comment";
        case NodeProblem::kUnterminatedDoctype:
            return "Doctype";
        default:
            return "tag";
    }
}

std::u16string Ascii(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

}  // namespace

std::u16string NodeProblemText(const XmlNode& node) {
    if (node.problem == NodeProblem::kNone) {
        return {};
    }
    const std::string offset = std::to_string(node.start);
    if (const char* what = IncorrectWhat(node.problem)) {
        return Ascii(std::string("Incorrect ") + what + " at offset " + offset);
    }
    return Ascii(std::string(UnterminatedWhat(node.problem)) + " at offset " + offset +
                 " unterminated");
}

}  // namespace q5

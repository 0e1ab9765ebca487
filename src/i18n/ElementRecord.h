/*
 * One element of a parsed XML document, as the element table stores it
 * (32 bytes). Index 0 of the table is the document itself and doubles as
 * "no element".
 */
#pragma once

#include <cstdint>

namespace q5 {

// A plain record: a new one is zeroed by value-initialisation (ElementRecord{}),
// storage for many is left uninitialised until records are appended.
struct ElementRecord {
    std::int32_t start;   // offset of the '<' of the start tag
    std::int32_t length;  // through the end tag's '>', else the start tag alone
    std::uint32_t tagLengths;
    std::uint32_t levelAndFlags;
    std::int32_t parent;
    std::int32_t firstChild;
    std::int32_t nextSibling;
    // The preceding sibling; the first child holds the last child of the
    // same parent instead (an only child its own index).
    std::int32_t previousSibling;

    static constexpr std::uint32_t kStartTagBits = 22;
    static constexpr std::uint32_t kMaxStartTagLength = (1u << kStartTagBits) - 1;
    static constexpr std::uint32_t kMaxEndTagLength = (1u << (32 - kStartTagBits)) - 1;

    static constexpr std::uint32_t kLevelMask = 0xFFFF;
    static constexpr std::uint32_t kFirstChild = 0x80000;
    static constexpr std::uint32_t kNotEnded = 0x100000;
    static constexpr std::uint32_t kProblem = 0x200000;
    static constexpr std::uint32_t kIllFormed = 0x800000;  // record 0 only

    std::uint32_t startTagLength() const { return tagLengths & kMaxStartTagLength; }
    std::uint32_t endTagLength() const { return tagLengths >> kStartTagBits; }
    void SetTagLengths(std::uint32_t startTag, std::uint32_t endTag) {
        tagLengths = (startTag & kMaxStartTagLength) | (endTag << kStartTagBits);
    }
    std::uint32_t level() const { return levelAndFlags & kLevelMask; }
    bool Has(std::uint32_t flag) const { return (levelAndFlags & flag) != 0; }
};

static_assert(sizeof(ElementRecord) == 32, "an element record is eight 32-bit fields");

}  // namespace q5

/*
 * The element table of a parsed document: records stored in segments of
 * 65,536 that never move once a later segment exists, so a reference to a
 * record in an earlier segment stays valid while the table grows. Only the
 * last segment is ever reallocated.
 */
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "i18n/ElementRecord.h"

namespace q5 {

class ElementTable {
public:
    static constexpr std::uint32_t kSegmentBits = 16;
    static constexpr std::uint32_t kSegmentSize = 1u << kSegmentBits;

    // Drops every record, then reserves room for `records`: the first
    // segment up to its full size and at most one more.
    void Reset(std::int32_t records);

    // Appends a zeroed record and returns its index.
    std::int32_t Append() {
        if (used_ == capacity_) {
            Grow();
        }
        (*this)[used_] = ElementRecord{};
        return used_++;
    }

    ElementRecord& operator[](std::int32_t index) {
        const auto i = static_cast<std::uint32_t>(index);
        return segments_[i >> kSegmentBits].records[i & (kSegmentSize - 1)];
    }
    const ElementRecord& operator[](std::int32_t index) const {
        const auto i = static_cast<std::uint32_t>(index);
        return segments_[i >> kSegmentBits].records[i & (kSegmentSize - 1)];
    }

    std::int32_t size() const { return used_; }
    std::int32_t capacity() const { return capacity_; }
    std::size_t segmentCount() const { return segments_.size(); }
    std::int32_t segmentCapacity(std::size_t segment) const { return segments_[segment].capacity; }

private:
    struct Segment {
        std::unique_ptr<ElementRecord[]> records;
        std::int32_t capacity = 0;
    };

    // Grows to 1.5 times the records in use (at least one more).
    void Grow();
    // Grows toward `records`, starting at most one new segment.
    void GrowTo(std::int32_t records);
    void ResizeLastSegment(std::int32_t capacity);

    std::vector<Segment> segments_;
    std::int32_t used_ = 0;
    std::int32_t capacity_ = 0;
    std::int32_t lastStart_ = 0;  // index of the last segment's first record
};

}  // namespace q5

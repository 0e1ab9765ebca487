#include "i18n/ElementTable.h"

#include <algorithm>
#include <cstring>

namespace q5 {

void ElementTable::Reset(std::int32_t records) {
    segments_.clear();
    used_ = 0;
    capacity_ = 0;
    lastStart_ = 0;
    GrowTo(std::max(records, 1));
}

void ElementTable::Grow() {
    const std::int64_t wanted = std::max<std::int64_t>(std::int64_t{used_} * 3 / 2, used_ + 1);
    GrowTo(static_cast<std::int32_t>(std::min<std::int64_t>(wanted, INT32_MAX)));
}

void ElementTable::GrowTo(std::int32_t records) {
    if (records <= capacity_) {
        return;
    }
    if (segments_.empty()) {
        segments_.emplace_back();
    }
    const std::int32_t segmentEnd = lastStart_ + static_cast<std::int32_t>(kSegmentSize);
    if (records <= segmentEnd) {
        ResizeLastSegment(records - lastStart_);
        return;
    }
    // The last segment is completed before it is left behind; the new one
    // takes what remains of the growth, up to a full segment.
    ResizeLastSegment(static_cast<std::int32_t>(kSegmentSize));
    lastStart_ = segmentEnd;
    segments_.emplace_back();
    ResizeLastSegment(std::min(records - lastStart_, static_cast<std::int32_t>(kSegmentSize)));
}

void ElementTable::ResizeLastSegment(std::int32_t capacity) {
    Segment& last = segments_.back();
    if (capacity == last.capacity) {
        return;
    }
    auto records =
        std::make_unique_for_overwrite<ElementRecord[]>(static_cast<std::size_t>(capacity));
    const std::int32_t kept = std::min(used_ - lastStart_, capacity);
    if (kept > 0) {
        std::memcpy(records.get(), last.records.get(),
                    sizeof(ElementRecord) * static_cast<std::size_t>(kept));
    }
    last.records = std::move(records);
    capacity_ += capacity - last.capacity;
    last.capacity = capacity;
}

}  // namespace q5

#include "model/ActionRecord.h"

#include <span>

#include "model/ByteImage.h"

namespace q5 {

ActionRecord ActionRecord::WithCode(ActionCode code) {
    ActionRecord record;
    record.setCode(code);
    return record;
}

Combination ActionRecord::combination() const {
    return Combination{bytes[kCombinationOffset], bytes[kCombinationOffset + 1],
                       bytes[kCombinationOffset + 2]};
}

void ActionRecord::setCombination(const Combination& combination) {
    bytes[kCombinationOffset] = combination.modifiers;
    bytes[kCombinationOffset + 1] = combination.firstKey;
    bytes[kCombinationOffset + 2] = combination.secondKey;
}

std::u16string ActionRecord::path() const {
    return LoadUtf16(std::span(bytes).subspan(kPathOffset));
}

void ActionRecord::setPath(std::u16string_view path) {
    StoreUtf16(std::span(bytes).subspan(kPathOffset), path);
}

}  // namespace q5

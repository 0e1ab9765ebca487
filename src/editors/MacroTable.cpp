#include "editors/MacroTable.h"

#include <algorithm>

#include "model/ByteImage.h"

namespace q5 {

std::uint32_t MacroTable::storedCount() const {
    return LoadU32(countBytes.data());
}

void MacroTable::setCount(std::uint32_t count) {
    StoreU32(countBytes.data(), count);
}

std::size_t MacroTable::count() const {
    return std::min<std::size_t>(storedCount(), kSlots);
}

const tagMACROINFO* MacroTable::Macro(std::size_t number) const {
    return number < kMaxMacros ? &macros[number] : nullptr;
}

}  // namespace q5

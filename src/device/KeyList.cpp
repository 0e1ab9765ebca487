#include "device/KeyList.h"

#include <algorithm>

namespace q5 {

bool KeyList::Add(std::uint32_t value) {
    if (Contains(value)) {
        return true;
    }
    const auto free = std::find(entries_.begin(), entries_.end(), 0u);
    if (free == entries_.end()) {
        return false;
    }
    *free = value;
    return true;
}

void KeyList::Remove(std::uint32_t value) {
    const auto found = std::find(entries_.begin(), entries_.end(), value);
    if (found != entries_.end()) {
        *found = 0;
    }
}

bool KeyList::Contains(std::uint32_t value) const {
    return std::find(entries_.begin(), entries_.end(), value) != entries_.end();
}

}  // namespace q5

#include "model/ButtonName.h"

#include "model/ByteImage.h"

namespace q5 {

std::u16string ButtonName::name(int slot) const {
    return LoadUtf16(entries.at(static_cast<std::size_t>(slot)).name);
}

void ButtonName::setName(int slot, std::u16string_view name) {
    StoreUtf16(entries.at(static_cast<std::size_t>(slot)).name, name);
}

}  // namespace q5

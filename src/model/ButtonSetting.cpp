#include "model/ButtonSetting.h"

#include <algorithm>

#include "model/ByteImage.h"

namespace q5 {

ButtonSetting ButtonSetting::Factory() {
    ButtonSetting image;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        image.slot(slot).setCode(FactoryCodeOfSlot(slot));
    }
    return image;
}

std::uint32_t ButtonSetting::storedExtraCount() const {
    return LoadU32(extraCountBytes.data());
}

std::size_t ButtonSetting::extraCount() const {
    return std::min<std::size_t>(storedExtraCount(), kExtraRecordLimit);
}

}  // namespace q5

#include "app/DisplayText.h"

#include "editors/KeyNames.h"
#include "model/ActionCodeTable.h"

namespace q5 {

std::u16string DisplayText::operator()(std::uint8_t code, const ActionRecord& record) const {
    if (code == ToByte(ActionCode::CombinationKeys)) {
        const Combination keys = record.combination();
        return CombinationText(input_, keys.modifiers, keys.firstKey, keys.secondKey);
    }
    if (code == ToByte(ActionCode::Macro)) {
        return MacroName(record.macroNumber());
    }
    if (code > kHighestNamedCode) {
        return {};
    }
    const ActionCodeInfo* info = FindActionCode(code);
    if (!info || info->labelKey.empty() || !texts_) {
        return {};
    }
    return texts_(info->labelKey);
}

std::u16string DisplayText::Label(ActionCode code) const {
    return (*this)(ToByte(code), ActionRecord::WithCode(code));
}

std::u16string DisplayText::MacroName(std::uint8_t number) const {
    const tagMACROINFO* macro = macros_.Macro(number);
    return macro ? macro->name() : std::u16string();
}

}  // namespace q5

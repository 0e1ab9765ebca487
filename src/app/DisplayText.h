/*
 * The text that names a slot's function in the main window, on the slot
 * button and in the ButtonName image: the recorded combination for code 19,
 * the macro's name for code 20, the code's label from the language table for
 * every other labelled code up to 163, and nothing for the rest.
 */
#pragma once

#include <cstdint>
#include <string>

#include "editors/MacroTable.h"
#include "model/ActionRecord.h"
#include "platform/Input.h"
#include "ui/TextLookup.h"

namespace q5 {

// Codes above this one have no display text, even where the executor
// performs them.
inline constexpr std::uint8_t kHighestNamedCode = 163;

class DisplayText {
public:
    DisplayText(TextLookup texts, const MacroTable& macros, Input& input)
        : texts_(std::move(texts)), macros_(macros), input_(input) {}

    // The text of `code` for a slot whose record is `record` (its macro
    // number and combination bytes are read for codes 20 and 19).
    std::u16string operator()(std::uint8_t code, const ActionRecord& record) const;
    // The label of a code that needs no record.
    std::u16string Label(ActionCode code) const;

private:
    std::u16string MacroName(std::uint8_t number) const;

    TextLookup texts_;
    const MacroTable& macros_;
    Input& input_;
};

}  // namespace q5

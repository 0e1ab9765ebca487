/*
 * The texts of the macro editor's tests: a small language table.
 */
#pragma once

#include <map>
#include <string>

#include "ui/TextLookup.h"

namespace q5::test {

inline TextLookup EditorTexts() {
    static const std::map<std::string, std::u16string, std::less<>> texts = {
        {"tc_ok", u"OK"},
        {"tc_cancel", u"Cancel"},
        {"tc_new_macro", u"New macro"},
        {"tc_macro_editor", u"Macro editor"},
        {"tc_macro_list", u"Macros"},
        {"tc_macro_panel", u"Recorded keys"},
        {"tc_macro_loop", u"Repeat"},
        {"tc_macro_delay", u"Record delays"},
        {"tc_macro_start", u"Start recording"},
        {"tc_macro_end", u"Stop recording"},
        {"tc_macro_new", u"New"},
        {"tc_macro_del", u"Delete"},
        {"tc_macro_msg3", u"In use"},
    };
    return [](std::string_view key) {
        const auto found = texts.find(key);
        return found == texts.end() ? std::u16string() : found->second;
    };
}

}  // namespace q5::test

/*
 * Character references in the text of an XML document: "&amp;", "&#65;",
 * "&#x41;" and the character entities of HTML 4.01 plus "&apos;". A reference
 * that cannot be resolved stays in the text as written.
 */
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace q5 {

// The reference starting at the '&' at `ampersand`: its length through the
// ';' with the character it stands for in `value`, or 0 when the '&' is a
// literal character. Never reads beyond `text`.
std::size_t ResolveReference(std::u16string_view text, std::size_t ampersand, char32_t& value);

// Appends `text` to `out` with every reference resolved.
void AppendResolved(std::u16string_view text, std::u16string& out);

}  // namespace q5

/*
 * The encoding a document names for itself in its first bytes: the
 * `encoding` of an <?xml ...?> declaration, or the charset of an HTML
 * <meta http-equiv="Content-Type" content="...; charset=..."> in the head.
 */
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace q5 {

// The declared encoding name found in `sample` (the start of a document,
// decoded as UTF-8), empty when none is found before the first element
// other than `html`, the end of `head`, malformed markup or the end of the
// sample.
std::u16string FindDeclaredEncoding(std::u16string_view sample);

// The value of attribute `name` in the tag or declaration `markup` (from its
// '<' to its '>'), names compared ignoring ASCII case: a quoted value without
// its quotes, an unquoted one up to whitespace or '>', the attribute's own
// name when it has no '='. None when the attribute is absent.
std::optional<std::u16string_view> FindAttribute(std::u16string_view markup,
                                                 std::u16string_view name);

}  // namespace q5

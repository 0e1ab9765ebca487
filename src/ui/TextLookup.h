/*
 * Where the windows take their visible texts from: a function from a
 * language key (for example "tc_ok") to its text. The program hands in its
 * language table; tests hand in a small map. A missing key gives an empty
 * text.
 */
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace q5 {

using TextLookup = std::function<std::u16string(std::string_view key)>;

}  // namespace q5

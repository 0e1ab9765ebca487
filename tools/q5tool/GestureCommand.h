/*
 * q5tool gesture EVENT...
 *
 * Hands driver event codes to the Gesture Pad of a running demo, which fires
 * them at its simulated receiver in order, each EVENT ("CODE" or "CODE+MS")
 * MS milliseconds after the previous one. Exit status 0 when the pad took
 * them, 1 when no pad runs or it refused them, 2 for bad arguments. The
 * Linux build has no pad to talk to and says so with exit status 2.
 */
#pragma once

#include <span>
#include <string_view>

namespace q5::tool {

int RunGesture(std::span<const std::string_view> args);

}  // namespace q5::tool

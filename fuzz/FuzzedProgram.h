/*
 * What the fuzzers of stored images and driver events share: the simulated
 * desktop set up as a user's (a Notepad in the foreground, a scrollable
 * window under the cursor), the shipped language file, the program wired as
 * q5tool simulate wires it, and the fuzzer's bytes planted in the simulated
 * registry exactly as the program reads its stored values at start.
 *
 * Each input gets a desktop and a program of its own. The settings store and
 * the registry it reads live for the whole run, so that the large images are
 * allocated once and not for every input (an allocation of that size costs a
 * fresh mapping under AddressSanitizer); each input finds the images zeroed,
 * as at start.
 */
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "SimulatedProgram.h"
#include "StoredFiles.h"
#include "platform/sim/SimPlatform.h"

namespace q5::fuzz {

// The shipped language file, loaded once for the whole run.
const LanguageTable& ShippedLanguage();

// The desktop and program for one input.
struct FuzzedProgram {
    FuzzedProgram();
    // Leaves the shared registry as this input found it, less the value
    // planted: what an input allocates, it frees, so that the leak check
    // after every input has nothing to suspect.
    ~FuzzedProgram();
    FuzzedProgram(const FuzzedProgram&) = delete;
    FuzzedProgram& operator=(const FuzzedProgram&) = delete;

    // Plants `size` bytes as the stored value `valueName`.
    void Plant(std::u16string_view valueName, const std::uint8_t* data, std::size_t size);
    // A stored macro table of three short macros, so that a record with code
    // 20 has something to play (planted once for the run, and `again` after
    // an input stored other macros).
    void PlantThreeMacros(bool again = false);
    // Every code of the driver's table, the time mark followed by both wheel
    // codes (zoom) and a few codes outside the table, one after another.
    void PerformEveryEvent();

    sim::SimPlatform desktop;
    SettingsStore& store;
    tool::SimulatedProgram program;
    // The window in the foreground, where the program's input goes.
    WindowHandle notepad;
};

// Stops the run, so that libFuzzer keeps the input, when `holds` is false.
inline void Require(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

}  // namespace q5::fuzz

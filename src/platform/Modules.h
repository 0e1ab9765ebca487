/*
 * Entries of a loaded library, looked up by their export names
 * (GetProcAddress) and called with a window handle: the form that the
 * social-network plug-in's entries take.
 */
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/PlatformTypes.h"

namespace q5 {

// A loaded library; 0 is none.
struct ModuleHandle {
    std::uintptr_t value = 0;
    explicit operator bool() const { return value != 0; }
};

// The address of an exported entry; 0 is none.
struct EntryAddress {
    std::uintptr_t value = 0;
    explicit operator bool() const { return value != 0; }
};

class Modules {
public:
    virtual ~Modules() = default;

    virtual EntryAddress GetProcAddress(ModuleHandle module, std::string_view name) = 0;
    // Calls an entry of the form `void Entry(HWND)`.
    virtual void CallWindowEntry(EntryAddress entry, WindowHandle window) = 0;
};

}  // namespace q5

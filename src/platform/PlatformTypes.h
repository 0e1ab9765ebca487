/*
 * Plain portable stand-ins for the Windows types that cross the platform
 * interface. Portable code never sees <windows.h>; a win/ implementation
 * converts between these and the real types at the call.
 */
#pragma once

#include <compare>
#include <cstdint>

namespace q5 {

// A window handle as an opaque number; 0 is the null window.
struct WindowHandle {
    std::uintptr_t value = 0;

    explicit operator bool() const { return value != 0; }
    auto operator<=>(const WindowHandle&) const = default;
};

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    auto operator<=>(const Point&) const = default;
};

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    auto operator<=>(const Rect&) const = default;
};

// One window message as it travels between windows.
struct WindowMessage {
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    auto operator<=>(const WindowMessage&) const = default;
};

// A kernel object handle (device file, semaphore, thread) as an opaque
// number; 0 is none. A failed CreateFileW gives none, never
// INVALID_HANDLE_VALUE.
struct KernelHandle {
    std::uintptr_t value = 0;

    explicit operator bool() const { return value != 0; }
    auto operator<=>(const KernelHandle&) const = default;
};

// The handle of a device-notification registration; 0 is none.
struct DeviceNotifyHandle {
    std::uintptr_t value = 0;

    explicit operator bool() const { return value != 0; }
    auto operator<=>(const DeviceNotifyHandle&) const = default;
};

}  // namespace q5

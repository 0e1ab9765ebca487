/*
 * Facts about the running system (GetVersionExW).
 */
#pragma once

#include <cstdint>

namespace q5 {

// The fields of OSVERSIONINFOW that the system reads.
struct OsVersionInfo {
    std::uint32_t majorVersion = 0;
    std::uint32_t minorVersion = 0;
    std::uint32_t buildNumber = 0;
    std::uint32_t platformId = 0;
};

// OSVERSIONINFOW platform ids.
inline constexpr std::uint32_t kPlatformWin32Windows = 1;
inline constexpr std::uint32_t kPlatformWin32Nt = 2;

class SystemInfo {
public:
    virtual ~SystemInfo() = default;

    // Fills `info` as GetVersionExW reports the release to this program.
    virtual bool GetVersionExW(OsVersionInfo& info) = 0;
};

}  // namespace q5

#include "actions/OsRelease.h"

namespace q5 {
namespace {

constexpr unsigned kMillenniumMinor = 90;

OsRelease ClassifyNt(unsigned major, unsigned minor) {
    if (major == 5) {
        return minor == 0 ? 3 : 4;
    }
    if (major == 6 && minor <= 2) {
        return 5 + minor;
    }
    return 0;
}

}  // namespace

OsRelease ClassifyOsVersion(const OsVersionInfo& version) {
    if (version.platformId == kPlatformWin32Windows && version.majorVersion == 4) {
        return version.minorVersion < kMillenniumMinor ? 1 : 2;
    }
    if (version.platformId == kPlatformWin32Nt) {
        return ClassifyNt(version.majorVersion, version.minorVersion);
    }
    return 0;
}

OsRelease GetOsRelease(SystemInfo& system) {
    OsVersionInfo version;
    if (!system.GetVersionExW(version)) {
        return 0;
    }
    return ClassifyOsVersion(version);
}

}  // namespace q5

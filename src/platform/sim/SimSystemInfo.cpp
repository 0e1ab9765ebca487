#include "platform/sim/SimSystemInfo.h"

namespace q5::sim {

bool SimSystemInfo::GetVersionExW(OsVersionInfo& info) {
    if (failing_) {
        return false;
    }
    info = version_;
    return true;
}

OsVersionInfo SimSystemInfo::VersionOfRelease(unsigned release) {
    switch (release) {
        case 1:
            return {4, 10, 2222, kPlatformWin32Windows};  // Windows 98 SE
        case 2:
            return {4, 90, 3000, kPlatformWin32Windows};  // Windows Me
        case 3:
            return {5, 0, 2195, kPlatformWin32Nt};  // Windows 2000
        case 4:
            return {5, 1, 2600, kPlatformWin32Nt};  // Windows XP
        case 5:
            return {6, 0, 6002, kPlatformWin32Nt};  // Windows Vista
        case 6:
            return {6, 1, 7601, kPlatformWin32Nt};  // Windows 7
        case 7:
            return {6, 2, 9200, kPlatformWin32Nt};  // Windows 8 and later
        default:
            return {6, 3, 9600, kPlatformWin32Nt};  // Windows 8.1 with a manifest
    }
}

}  // namespace q5::sim

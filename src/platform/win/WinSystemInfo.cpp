#include "platform/win/WinSystemInfo.h"

#include <windows.h>

namespace q5::win {

static_assert(sizeof(OSVERSIONINFOW) == 276, "the version record is 276 bytes");

bool WinSystemInfo::GetVersionExW(OsVersionInfo& info) {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!::GetVersionExW(&version)) {
        return false;
    }
#pragma GCC diagnostic pop
    info.majorVersion = version.dwMajorVersion;
    info.minorVersion = version.dwMinorVersion;
    info.buildNumber = version.dwBuildNumber;
    info.platformId = version.dwPlatformId;
    return true;
}

}  // namespace q5::win

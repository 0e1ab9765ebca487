/*
 * A settable Windows release for the simulated desktop.
 */
#pragma once

#include "platform/SystemInfo.h"

namespace q5::sim {

class SimSystemInfo final : public SystemInfo {
public:
    bool GetVersionExW(OsVersionInfo& info) override;

    void SetVersion(const OsVersionInfo& version) { version_ = version; }
    void SetFailing(bool failing) { failing_ = failing; }

    // A typical version that a release of the given classification reports
    // (0 to 7; 7 is Windows 8 and every later release, which report 6.2).
    static OsVersionInfo VersionOfRelease(unsigned release);

private:
    OsVersionInfo version_ = VersionOfRelease(7);
    bool failing_ = false;
};

}  // namespace q5::sim

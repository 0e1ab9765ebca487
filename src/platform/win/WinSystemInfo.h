/*
 * The real GetVersionExW.
 */
#pragma once

#include "platform/SystemInfo.h"

namespace q5::win {

class WinSystemInfo final : public SystemInfo {
public:
    bool GetVersionExW(OsVersionInfo& info) override;
};

}  // namespace q5::win

/*
 * OsRelease: the running Windows release as the executor classifies it,
 * computed afresh at every use from GetVersionExW.
 *
 *   1 Windows 95/98   2 Windows Me   3 Windows 2000   4 Windows XP/2003
 *   5 Vista   6 Windows 7   7 Windows 8 (and every later release, which
 *   reports 6.2 to a program without a compatibility manifest)
 *   0 anything else
 */
#pragma once

#include "platform/SystemInfo.h"

namespace q5 {

using OsRelease = unsigned;

OsRelease ClassifyOsVersion(const OsVersionInfo& version);

// 0 when the version cannot be read.
OsRelease GetOsRelease(SystemInfo& system);

}  // namespace q5

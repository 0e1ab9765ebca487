/*
 * <gdiplus.h> for the program's build: GDI+ needs the COM types and min and
 * max, which WIN32_LEAN_AND_MEAN and NOMINMAX keep out of <windows.h>.
 */
#pragma once

#include <windows.h>

#include <objidl.h>

#include <algorithm>

namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus

#include <gdiplus.h>

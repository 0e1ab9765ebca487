/*
 * The three entry points of KBGetKey.dll, exported by these names (see
 * KBGetKey.def). Reports go to the installed window as kKeyReportMessage.
 */
#pragma once

#include <windows.h>

extern "C" {

// The window that receives the reports; hooks the desktop on the first call.
void WINAPI installhook(HWND receiver);
// 1 enables the reports, 0 disables them.
void WINAPI SetHookStatus(int enabled);
// Stops the reports and takes the hooks off the desktop.
void WINAPI removehook();

}  // extern "C"
